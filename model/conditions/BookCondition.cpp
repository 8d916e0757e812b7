#include "BookCondition.h"

#include "IO.h"

std::shared_ptr<BookCondition> BookCondition::create() {
    return std::make_shared<BookCondition>();
}

ConditionPtr BookCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

bool BookCondition::ioMatchesCondition(const IO& record) const {
    const std::int32_t code = conditionTypeCode();
    if (code != Is && code != IsNot) {
        return true;
    }
    if (m_bookGone) {
        return false;
    }
    const BookPtr* book = std::get_if<BookPtr>(&object());
    // A missing book holds no record.
    const bool inBook = book && *book && (*book)->includesObject(&record);
    return code == Is ? inBook : !inBook;
}

BookPtr BookCondition::getBook() const {
    if (conditionTypeCode() != Is) {
        return nullptr;
    }
    const BookPtr* book = std::get_if<BookPtr>(&object());
    return book ? *book : nullptr;
}

void BookCondition::beginPass(const ConditionPass& pass) {
    const BookPtr* book = std::get_if<BookPtr>(&object());
    m_bookGone = pass.holdsBook && book && *book && !pass.holdsBook(book->get());
}

void BookCondition::endPass() {
    m_bookGone = false;
}
