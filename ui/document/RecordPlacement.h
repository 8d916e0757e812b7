#pragma once

#include "Book.h"

#include <QSet>

#include <vector>

// Where records stood in the books they were taken from, so that putting
// them back restores every book exactly: same records, same places.
class RecordPlacement {
public:
    // Takes the records out of each of the books that holds any of them.
    void take(const std::vector<BookPtr>& books, const QSet<const IO*>& records);
    void putBack();
    bool isEmpty() const { return m_books.empty(); }

    struct Taken {
        BookPtr book;
        std::vector<Book::Placed> placed;
        std::uint64_t versionAfterTake = 0;
        IOList records() const;
    };
    const std::vector<Taken>& books() const { return m_books; }

private:
    std::vector<Taken> m_books;
};
