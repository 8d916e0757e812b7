#include "NoteBubble.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

NoteBubble::NoteBubble(QWidget* anchor)
    : QLabel(anchor, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
    , m_anchor(anchor) {
    setObjectName(QStringLiteral("noteBubble"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setTextFormat(Qt::PlainText);
    // It tells, and takes neither the keyboard nor clicks from the form it covers.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void NoteBubble::showUnder(const QRect& area, const QString& text) {
    m_area = area;
    setText(text);
    adjustSize();
    watchAncestors();
    place();
    show();
    raise();
}

void NoteBubble::hideOnInput(QWidget* widget) {
    if (!m_inputWidgets.contains(widget)) {
        m_inputWidgets.append(widget);
        widget->installEventFilter(this);
    }
}

void NoteBubble::watchAncestors() {
    if (m_watching) {
        return;
    }
    m_watching = true;
    // Moving the window, or scrolling what holds the anchor, moves the anchor on screen.
    for (QWidget* widget = m_anchor; widget; widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        if (widget->isWindow()) {
            break;
        }
    }
}

void NoteBubble::place() {
    QPoint at = m_anchor->mapToGlobal(m_area.bottomLeft() + QPoint(0, 2));
    if (const QScreen* screen = m_anchor->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width() + 1)));
        if (at.y() + height() > room.bottom()) {
            at.setY(m_anchor->mapToGlobal(m_area.topLeft()).y() - height() - 2);
        }
    }
    move(at);
}

bool NoteBubble::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Hide:
        if (watched != this && !m_inputWidgets.contains(watched)) {
            hide();
        }
        break;
    case QEvent::WindowDeactivate:
        // Drawn over every window: it must not stay over another program's.
        if (watched == m_anchor->window()) {
            hide();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (isVisible()) {
            place();
        }
        break;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (m_inputWidgets.contains(watched)) {
            hide();
        }
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}
