#pragma once

#include "BookCondition.h"
#include "ChoiceConditionView.h"
#include "DataRoot.h"

// A row that tests whether the record stands in a book: the main library,
// then the smart books, then the plain books, as the library numbers them.
class BookConditionView : public ChoiceConditionView {
    Q_OBJECT

public:
    explicit BookConditionView(DataRootPtr library);

    int kind() const override { return Book; }
    const std::vector<int>& whatIds() const override;
    QComboBox* bookSelector() const { return choiceSelector(); }
    void setBook(const BookPtr& book);

    void showCondition(const BookCondition& condition);
    ConditionPtr condition() const override;
    // The parameter pop-up, as for every row without fields.
    QWidget* firstField() const override { return SingleConditionView::firstField(); }

protected:
    QString missingProblem() const override;

private:
    DataRootPtr m_library;
};
