#pragma once

#include <Qt>

class QUndoStack;
class QWidget;

// What the entry and keyword windows share as small windows beside the main
// window: they stay above it, start in a corner of its screen until the user
// places them, and take back changes with the usual keys.
class ToolWindow {
public:
    // Makes `window` a tool window of `host` (kept above it, no task bar entry
    // of its own) and puts it in that corner of the host's screen. A frame
    // restored afterwards wins.
    static void attach(QWidget* window, QWidget* host, Qt::Corner corner);
    // Undo and Redo of the library's changes, also while this window has the keyboard.
    static void addUndoActions(QWidget* window, QUndoStack* stack);
};
