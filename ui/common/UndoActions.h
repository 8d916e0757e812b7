#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QUndoStack;
class QWidget;

// Undo and Redo of the library's changes as one window's own commands, by the
// keys the desktop uses for them; Redo takes Ctrl+Shift+Z on every desktop.
class UndoActions {
public:
    struct Pair {
        QAction* undo = nullptr;
        QAction* redo = nullptr;
    };

    static QList<QKeySequence> undoKeys();
    static QList<QKeySequence> redoKeys();

    // Made as children of `window`, named "undoAction" and "redoAction", their
    // texts the change they take back or make again after `undoText` and
    // `redoText` (Qt's own words when empty). Not added to any widget.
    static Pair create(QUndoStack* stack, QWidget* window, const QString& undoText = QString(),
                       const QString& redoText = QString());
    // Made and added to `window`: its keys work while that window has the keyboard.
    static Pair addTo(QWidget* window, QUndoStack* stack);
};
