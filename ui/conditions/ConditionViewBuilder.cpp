#include "ConditionViewBuilder.h"

#include "AmountConditionView.h"
#include "BookConditionView.h"
#include "CommentConditionView.h"
#include "ConditionGroup.h"
#include "DateConditionView.h"
#include "GroupConditionView.h"
#include "KeywordConditionView.h"

ConditionViewBuilder::ConditionViewBuilder(DataRootPtr library)
    : m_library(std::move(library)) {}

ConditionView* ConditionViewBuilder::build(const Condition& condition) {
    const Condition::Kind kind = condition.kind();
    if (kind != Condition::Kind::And && kind != Condition::Kind::Or) {
        return buildLeaf(condition);
    }
    auto* group = new GroupConditionView(kind == Condition::Kind::And ? GroupConditionView::Connective::And
                                                                      : GroupConditionView::Connective::Or);
    for (const ConditionPtr& child : static_cast<const ConditionGroup&>(condition).children()) {
        group->appendChild(build(*child));
    }
    return group;
}

SingleConditionView* ConditionViewBuilder::newRow(int kind) const {
    switch (kind) {
    case SingleConditionView::Date:
        return new DateConditionView;
    case SingleConditionView::Keyword:
        return new KeywordConditionView(m_library);
    case SingleConditionView::Comment:
        return new CommentConditionView;
    case SingleConditionView::Book:
        return new BookConditionView(m_library);
    default:
        return new AmountConditionView;
    }
}

ConditionView* ConditionViewBuilder::buildLeaf(const Condition& condition) {
    ++m_row;
    SingleConditionView* view = nullptr;
    bool periodNotOffered = false;
    switch (condition.kind()) {
    case Condition::Kind::Date: {
        auto* date = new DateConditionView;
        date->showCondition(static_cast<const DateCondition&>(condition));
        periodNotOffered = date->storedPeriodNotOffered();
        view = date;
        break;
    }
    case Condition::Kind::Keyword: {
        auto* keyword = new KeywordConditionView(m_library);
        keyword->showCondition(static_cast<const KeywordCondition&>(condition));
        view = keyword;
        break;
    }
    case Condition::Kind::Comment: {
        auto* comment = new CommentConditionView;
        comment->showCondition(static_cast<const CommentCondition&>(condition));
        view = comment;
        break;
    }
    case Condition::Kind::Book: {
        auto* book = new BookConditionView(m_library);
        book->showCondition(static_cast<const BookCondition&>(condition));
        view = book;
        break;
    }
    case Condition::Kind::Amount: {
        auto* amount = new AmountConditionView;
        amount->showCondition(static_cast<const AmountCondition&>(condition));
        view = amount;
        break;
    }
    default: {
        // A plain condition matches everything; the editor has no row for it
        // and opens it as an amount row, which it says.
        view = new AmountConditionView;
        periodNotOffered = true;
        break;
    }
    }
    if (view->storedCodeNotOffered() || periodNotOffered) {
        m_rowsNotOffered.append(m_row);
    }
    return view;
}
