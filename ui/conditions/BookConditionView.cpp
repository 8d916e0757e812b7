#include "BookConditionView.h"

BookConditionView::BookConditionView(DataRootPtr library)
    : ChoiceConditionView(Book, QStringLiteral("bookSelector"), tr("Book"))
    , m_library(std::move(library)) {
    QStringList names;
    if (m_library) {
        for (std::size_t i = 0; i < m_library->bookCount(); ++i) {
            names.append(m_library->bookAtIndex(i)->bookName());
        }
    }
    fill(names, tr("(no books)"));
    finish();
}

const std::vector<int>& BookConditionView::whatIds() const {
    static const std::vector<int> ids{1, 2};
    return ids;
}

void BookConditionView::setBook(const BookPtr& book) {
    const std::size_t index = m_library && book ? m_library->indexOfBook(book.get()) : std::size_t(-1);
    if (m_library && index < m_library->bookCount()) {
        choose(int(index), QString());
    } else if (book) {
        choose(-1, tr("“%1” (deleted)").arg(book->bookName()));
    } else {
        choose(-1, tr("(no book)"));
    }
}

void BookConditionView::showCondition(const BookCondition& condition) {
    setWhatToID(condition.conditionTypeCode());
    const auto* book = std::get_if<BookPtr>(&condition.object());
    setBook(book ? *book : nullptr);
}

ConditionPtr BookConditionView::condition() const {
    auto leaf = newLeaf<BookCondition>();
    const int index = chosenIndex();
    if (index >= 0 && m_library && std::size_t(index) < m_library->bookCount()) {
        leaf->setObject(m_library->bookAtIndex(std::size_t(index)));
    }
    return leaf;
}

QString BookConditionView::missingProblem() const {
    return tr("Its book is no longer in the library; choose another.");
}
