#include "UndoActions.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

QList<QKeySequence> UndoActions::undoKeys() {
    return QKeySequence::keyBindings(QKeySequence::Undo);
}

QList<QKeySequence> UndoActions::redoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    // Some desktops bind Redo to Ctrl+Y alone; the other key is what users try next.
    const QKeySequence shiftUndo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!keys.contains(shiftUndo)) {
        keys.append(shiftUndo);
    }
    return keys;
}

UndoActions::Pair UndoActions::create(QUndoStack* stack, QWidget* window, const QString& undoText,
                                      const QString& redoText) {
    Pair pair;
    pair.undo = stack->createUndoAction(window, undoText);
    pair.undo->setObjectName(QStringLiteral("undoAction"));
    pair.undo->setShortcuts(undoKeys());
    pair.redo = stack->createRedoAction(window, redoText);
    pair.redo->setObjectName(QStringLiteral("redoAction"));
    pair.redo->setShortcuts(redoKeys());
    return pair;
}

UndoActions::Pair UndoActions::addTo(QWidget* window, QUndoStack* stack) {
    const Pair pair = create(stack, window);
    window->addActions({pair.undo, pair.redo});
    return pair;
}
