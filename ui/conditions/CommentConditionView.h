#pragma once

#include "CommentCondition.h"
#include "SingleConditionView.h"

class QLineEdit;

// A row that compares the record's comment with a text.
class CommentConditionView : public SingleConditionView {
    Q_OBJECT

public:
    CommentConditionView();

    int kind() const override { return Comment; }
    const std::vector<int>& whatIds() const override;
    QLineEdit* commentField() const { return m_commentField; }

    void showCondition(const CommentCondition& condition);
    ConditionPtr condition() const override;
    QWidget* firstField() const override;

private:
    QLineEdit* m_commentField;
};
