#pragma once

#include "Book.h"
#include "Condition.h"

#include <functional>
#include <vector>

class SmartBook;
using SmartBookPtr = std::shared_ptr<SmartBook>;

// A book whose records are chosen by a condition tree. Its record list is the
// result of the latest reload and otherwise behaves like any book's.
class SmartBook : public Book {
public:
    SmartBook();
    ~SmartBook() override;

    static SmartBookPtr create();

    const ConditionPtr& conditions() const { return m_conditions; }
    // Takes the new tree; does not reload.
    void setConditions(ConditionPtr conditions);
    // Drops the trees of these books and of every smart book their book
    // conditions reach. Trees may name their own book or each other; the
    // library does this when it goes, so that such rings are freed.
    static void releaseTrees(const std::vector<SmartBookPtr>& books);

    // Rebuilds the records from the tree's book (or the main library when
    // the tree names none), keeping that book's order. Only records of the
    // main library are found; a tree whose book `holdsBook` denies finds none.
    void reload(const BookPtr& mainLibrary, const std::function<bool(const Book*)>& holdsBook);
    // The records a reload would find, without keeping them, of those
    // `admits` lets through (all when empty); `source` is given the book
    // they were read from.
    IOList matchingRecords(const BookPtr& mainLibrary, const std::function<bool(const Book*)>& holdsBook,
                           const std::function<bool(const IO&)>& admits, BookPtr* source = nullptr) const;

    QString image() const override;
    bool isSmart() const override { return true; }

private:
    ConditionPtr m_conditions;
};
