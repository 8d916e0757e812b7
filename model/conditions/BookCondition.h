#pragma once

#include "Condition.h"

// Tests whether a record stands in a book (Is) or not (IsNot). With Is it
// also names the book a smart book scans. Inside a refresh, a book the
// library no longer holds matches nothing either way: it may still list
// records deleted from the library since.
class BookCondition : public Condition {
public:
    static std::shared_ptr<BookCondition> create();

    Kind kind() const override { return Kind::Book; }
    QString className() const override { return QStringLiteral("BookCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;
    BookPtr getBook() const override;

    void beginPass(const ConditionPass& pass) override;
    void endPass() override;

private:
    bool m_bookGone = false;
};
