#include "KeywordNameDelegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const char* const rowProperty = "keywordRow";
}

KeywordNameDelegate::KeywordNameDelegate(Validator validator, Complainer complain, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_validator(std::move(validator))
    , m_complain(std::move(complain)) {}

QWidget* KeywordNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->setObjectName(QStringLiteral("keywordNameEditor"));
    editor->setProperty(rowProperty, index.row());
    return editor;
}

void KeywordNameDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && errorOf(line) == 0) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

int KeywordNameDelegate::errorOf(const QLineEdit* editor) const {
    return m_validator(editor->property(rowProperty).toInt(), editor->text());
}

void KeywordNameDelegate::refuse(const QPointer<QLineEdit>& editor, int errorNumber) {
    m_refusing = true;
    m_complain(errorNumber);
    m_refusing = false;
    if (editor) {
        editor->setFocus(Qt::OtherFocusReason);
    }
}

bool KeywordNameDelegate::eventFilter(QObject* object, QEvent* event) {
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
            if (const int error = errorOf(editor)) {
                refuse(editor, error);
                return true;
            }
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut && (m_refusing || errorOf(editor) != 0)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The alert itself, another window or a menu took the keyboard: the editor waits as it is.
        if (!m_refusing && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // After the click that moved the focus has been handled, never inside it.
            QPointer<QLineEdit> later(editor);
            const int error = errorOf(editor);
            QMetaObject::invokeMethod(
                this, [this, later, error] { refuse(later, error); }, Qt::QueuedConnection);
        }
        // The editor still hears of it; only the commit and the closing are held back.
        return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
