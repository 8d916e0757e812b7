#pragma once

#include "ChoiceConditionView.h"
#include "DataRoot.h"
#include "KeywordCondition.h"

// A row that tests the record's keywords against one keyword of the library.
class KeywordConditionView : public ChoiceConditionView {
    Q_OBJECT

public:
    explicit KeywordConditionView(DataRootPtr library);

    int kind() const override { return Keyword; }
    const std::vector<int>& whatIds() const override;
    QComboBox* keywordSelector() const { return choiceSelector(); }
    void setKeyword(const KeywordPtr& keyword);

    void showCondition(const KeywordCondition& condition);
    ConditionPtr condition() const override;

protected:
    QString missingProblem() const override;

private:
    DataRootPtr m_library;
};
