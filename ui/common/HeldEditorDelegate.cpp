#include "HeldEditorDelegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>

void HeldEditorDelegate::refuse(const QPointer<QLineEdit>& editor, const std::function<void()>& tell) {
    m_refusing = true;
    tell();
    m_refusing = false;
    if (editor) {
        // Whichever window the desktop chose once the alert closed, the typing goes on here.
        editor->window()->activateWindow();
        editor->setFocus(Qt::OtherFocusReason);
        // What is typed next replaces the refused text; it stays until then.
        editor->selectAll();
    }
}

bool HeldEditorDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (!editor) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!accepts(editor)) {
                refuse(editor, refusalOf(editor));
                return true;
            }
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut && (m_refusing || !accepts(editor))) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The alert itself, another window or a menu took the keyboard: the editor waits as it is.
        if (!m_refusing && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // After the click that moved the focus has been handled, never inside it.
            QPointer<QLineEdit> later(editor);
            QMetaObject::invokeMethod(
                this, [this, later, tell = refusalOf(editor)] { refuse(later, tell); }, Qt::QueuedConnection);
        }
        // The editor still hears of it; only the commit and the closing are held back.
        return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
