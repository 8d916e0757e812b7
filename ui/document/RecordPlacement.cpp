#include "RecordPlacement.h"

void RecordPlacement::take(const std::vector<BookPtr>& books, const QSet<const IO*>& records) {
    m_books.clear();
    for (const BookPtr& book : books) {
        std::vector<Book::Placed> placed = book->takeObjects(records);
        if (!placed.empty()) {
            m_books.push_back({book, std::move(placed), book->recordsVersion()});
        }
    }
}

void RecordPlacement::putBack() {
    for (const Taken& taken : m_books) {
        taken.book->putBackObjects(taken.placed, taken.versionAfterTake);
    }
}

IOList RecordPlacement::Taken::records() const {
    IOList list;
    list.reserve(placed.size());
    for (const Book::Placed& p : placed) {
        list.push_back(p.record);
    }
    return list;
}
