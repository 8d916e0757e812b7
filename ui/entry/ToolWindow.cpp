#include "ToolWindow.h"

#include <QScreen>
#include <QWidget>

void ToolWindow::attach(QWidget* window, QWidget* host, Qt::Corner corner) {
    window->setParent(host, Qt::Tool);
    const QScreen* screen = host ? host->screen() : window->screen();
    if (!screen) {
        return;
    }
    // Room for the frame the window manager draws around it.
    const int margin = window->fontMetrics().height() * 2;
    const QRect room = screen->availableGeometry().adjusted(margin, margin, -margin, -margin);
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    // As large as its layout will make it when shown.
    const QSize size = window->size().expandedTo(window->minimumSizeHint());
    window->move(right ? room.right() - size.width() : room.left(),
                 bottom ? room.bottom() - size.height() : room.top());
}
