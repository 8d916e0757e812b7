#include "CommentConditionView.h"

#include <QLineEdit>

CommentConditionView::CommentConditionView()
    : SingleConditionView(Comment)
    , m_commentField(new QLineEdit(this)) {
    m_commentField->setObjectName(QStringLiteral("commentField"));
    m_commentField->setAccessibleName(tr("Comment text"));
    m_commentField->setFixedSize(125, std::max(22, m_commentField->sizeHint().height()));
    addToRow(m_commentField);
    finish();
}

const std::vector<int>& CommentConditionView::whatIds() const {
    static const std::vector<int> ids{7, 8, 1, 2, 9, 10, 11, 12};
    return ids;
}

void CommentConditionView::showCondition(const CommentCondition& condition) {
    setWhatToID(condition.conditionTypeCode());
    if (const auto* text = std::get_if<QString>(&condition.object())) {
        m_commentField->setText(*text);
    }
}

ConditionPtr CommentConditionView::condition() const {
    auto leaf = newLeaf<CommentCondition>();
    leaf->setObject(m_commentField->text());
    return leaf;
}

QWidget* CommentConditionView::firstField() const {
    return m_commentField;
}
