#include "FieldUndoFilter.h"

#include "UndoActions.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// The line edit that does the typing of `object`: itself, or the one inside a spin box.
const QLineEdit* typingField(QObject* object) {
    if (const auto* line = qobject_cast<QLineEdit*>(object)) {
        return line;
    }
    if (const auto* spinBox = qobject_cast<QAbstractSpinBox*>(object)) {
        return spinBox->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    }
    return nullptr;
}
} // namespace

bool FieldUndoFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    const QLineEdit* field = typingField(watched);
    if (!field) {
        return QObject::eventFilter(watched, event);
    }
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool undo = UndoActions::undoKeys().contains(pressed);
    const bool redo = !undo && UndoActions::redoKeys().contains(pressed);
    if ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable())) {
        // The field does not claim the key, so the window's shortcut takes it.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
