#include "RestoredFrame.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
// Room left for a title bar and frame the window system adds around the window.
constexpr int titleAllowance = 32;
constexpr int borderAllowance = 8;
} // namespace

bool RestoredFrame::restore(QWidget* window, const QByteArray& frame) {
    if (!window->restoreGeometry(frame)) {
        return false;
    }
    fitToScreen(window);
    return true;
}

void RestoredFrame::fitToScreen(QWidget* window) {
    // The screen the frame lies on (another monitor, perhaps); one it lies
    // on no longer (a monitor since unplugged) is fitted to the window's own.
    const QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen) {
        screen = window->screen();
    }
    if (!screen || window->isMaximized() || window->isFullScreen()) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize room(available.width() - 2 * borderAllowance, available.height() - titleAllowance - borderAllowance);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size()) {
        window->resize(size);
    }
    const QRect frame(window->pos(), size + QSize(2 * borderAllowance, titleAllowance + borderAllowance));
    const int x =
        std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() + 1 - frame.width()));
    const int y =
        std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != window->pos()) {
        window->move(x, y);
    }
}

void RestoredFrame::centerOver(QWidget* window, const QWidget* over) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
    fitToScreen(window);
}
