#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

// What a screen reader would meet in `window` with nothing to call it by:
// every element that can take the keyboard and is not hidden, walked down
// the accessibility tree as AT-SPI walks it, and has no name. Each is
// described by its role and where it sits, so a failure says what to name.
inline QStringList unnamedFocusableElements(QWidget* window) {
    QStringList unnamed;
    const auto describe = [](QAccessibleInterface* element, const QString& path) {
        QString what = path + QStringLiteral(" role ") + QString::number(int(element->role()));
        // A cell or an item has no object of its own: its view tells where it is.
        QAccessibleInterface* holder = element;
        while (holder && !holder->object()) {
            holder = holder->parent();
        }
        if (QObject* object = holder ? holder->object() : nullptr) {
            what += QStringLiteral(" ") + QString::fromLatin1(object->metaObject()->className());
            if (!object->objectName().isEmpty()) {
                what += QStringLiteral(" \"") + object->objectName() + QStringLiteral("\"");
            }
        }
        if (QAccessibleInterface* parent = element->parent(); parent && parent->object()) {
            what += QStringLiteral(" in ") + QString::fromLatin1(parent->object()->metaObject()->className()) +
                    QStringLiteral(" \"") + parent->object()->objectName() + QStringLiteral("\"");
        }
        return what;
    };
    const auto walk = [&](const auto& self, QAccessibleInterface* element, const QString& path, int depth) -> void {
        if (!element || !element->isValid() || depth > 64) {
            return;
        }
        const QAccessible::State state = element->state();
        if (state.invisible) {
            return;
        }
        if (state.focusable && element->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.append(describe(element, path));
        }
        const int count = element->childCount();
        for (int i = 0; i < count; ++i) {
            self(self, element->child(i), path + QStringLiteral("/") + QString::number(i), depth + 1);
        }
    };
    walk(walk, QAccessible::queryAccessibleInterface(window), QString(), 0);
    return unnamed;
}
