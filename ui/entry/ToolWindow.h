#pragma once

#include <Qt>

class QWidget;

// What the entry and keyword windows share as small windows beside the main
// window: they stay above it and start in a corner of its screen until the
// user places them.
class ToolWindow {
public:
    // Makes `window` a tool window of `host` (kept above it, no task bar entry
    // of its own) and puts it in that corner of the host's screen. A frame
    // restored afterwards wins.
    static void attach(QWidget* window, QWidget* host, Qt::Corner corner);
};
