#pragma once

class QByteArray;
class QWidget;

// Puts a window back where the user left it. A frame saved on a larger
// screen, or at a smaller scale, is shrunk and moved to fit the screen the
// window is on now, so no part of it (or its title bar) is out of reach.
class RestoredFrame {
public:
    // Whether `frame` could be read; a frame that cannot leaves the window as it was.
    static bool restore(QWidget* window, const QByteArray& frame);
    static void fitToScreen(QWidget* window);
    // A window first shown: over `over`, whole on its screen, wherever a window manager would put it.
    static void centerOver(QWidget* window, const QWidget* over);
};
