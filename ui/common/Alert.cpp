#include "Alert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace {
Alert::Answerer& answerer() {
    static Alert::Answerer hook;
    return hook;
}

QList<Alert::Shown>& shownLog() {
    static QList<Alert::Shown> log;
    return log;
}

QMessageBox::Icon boxIcon(Alert::Icon icon) {
    switch (icon) {
    case Alert::Icon::Information:
        return QMessageBox::Information;
    case Alert::Icon::Warning:
        return QMessageBox::Warning;
    case Alert::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

QString plain(QString text) {
    return text.remove(QLatin1Char('&'));
}
} // namespace

Alert::Alert(QWidget* parent, const QString& objectName, Icon icon, const QString& text, const QString& informativeText)
    : m_parent(parent)
    , m_objectName(objectName)
    , m_icon(icon)
    , m_text(text)
    , m_informativeText(informativeText) {}

int Alert::addButton(const QString& text, QMessageBox::ButtonRole role) {
    m_buttons.append({text, role});
    return int(m_buttons.size()) - 1;
}

Alert::Shown Alert::describe() const {
    Shown shown{m_objectName, m_icon, m_text, m_informativeText, {}, {}, {}};
    for (const auto& button : m_buttons) {
        shown.buttons.append(plain(button.first));
    }
    shown.defaultButton = shown.buttons.value(m_defaultButton < 0 ? 0 : m_defaultButton);
    shown.escapeButton = shown.buttons.value(m_escapeButton < 0 ? int(shown.buttons.size()) - 1 : m_escapeButton);
    return shown;
}

int Alert::answerFromHook(const Answerer& hook) {
    const Shown shown = describe();
    shownLog().append(shown);
    const qsizetype chosen = shown.buttons.indexOf(plain(hook(shown)));
    if (chosen >= 0) {
        return int(chosen);
    }
    return m_escapeButton < 0 ? int(m_buttons.size()) - 1 : m_escapeButton;
}

int Alert::exec() {
    if (m_buttons.isEmpty()) {
        addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    if (const Answerer& hook = answerer()) {
        return answerFromHook(hook);
    }

    QApplication::beep();
    QMessageBox box(boxIcon(m_icon), QApplication::applicationDisplayName(), m_text, QMessageBox::NoButton, m_parent);
    box.setObjectName(m_objectName);
    box.setInformativeText(m_informativeText);
    QList<QPushButton*> buttons;
    for (const auto& [text, role] : std::as_const(m_buttons)) {
        buttons.append(box.addButton(text, role));
    }
    box.setDefaultButton(buttons.value(m_defaultButton < 0 ? 0 : m_defaultButton));
    box.setEscapeButton(buttons.value(m_escapeButton < 0 ? int(buttons.size()) - 1 : m_escapeButton));
    // A box is otherwise as narrow as its title and wraps even a short explanation.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().averageCharWidth() * 50;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    if (chosen >= 0) {
        return int(chosen);
    }
    return m_escapeButton < 0 ? int(buttons.size()) - 1 : m_escapeButton;
}

void Alert::inform(QWidget* parent, const QString& objectName, Icon icon, const QString& text,
                   const QString& informativeText) {
    Alert alert(parent, objectName, icon, text, informativeText);
    alert.exec();
}

void Alert::setAnswerer(Answerer hook) {
    answerer() = std::move(hook);
}

const QList<Alert::Shown>& Alert::shownAlerts() {
    return shownLog();
}

void Alert::clearShownAlerts() {
    shownLog().clear();
}
