#include "KeywordNameDelegate.h"

#include <QLineEdit>

namespace {
const char* const rowProperty = "keywordRow";
}

KeywordNameDelegate::KeywordNameDelegate(Validator validator, Complainer complain, QObject* parent)
    : HeldEditorDelegate(parent)
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

bool KeywordNameDelegate::accepts(const QLineEdit* editor) const {
    return errorOf(editor) == 0;
}

std::function<void()> KeywordNameDelegate::refusalOf(QLineEdit* editor) const {
    return [complain = m_complain, error = errorOf(editor)] {
        complain(error);
    };
}
