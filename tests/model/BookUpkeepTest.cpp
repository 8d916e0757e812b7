#include "Book.h"

#include <gtest/gtest.h>

namespace {

IOPtr record(int day, const char* amount, const char* comment) {
    return IO::create(Amount::fromString(QString::fromLatin1(amount)), QDateTime(QDate(2024, 5, day), QTime(0, 0)),
                      KeywordList{}, QString::fromUtf8(comment), 1);
}

QStringList comments(const IOList& records) {
    QStringList list;
    for (const IOPtr& r : records) {
        list << r->comment();
    }
    return list;
}

class BookUpkeep : public ::testing::Test {
protected:
    BookUpkeep() {
        book->addObjectsFromArray({record(1, "-5", "tea"), record(3, "-20", "lunch"), record(2, "100", "refund"),
                                   record(4, "-7", "tea cake")});
        book->resort();
    }
    BookPtr book = Book::create();
};

// A book in order is not sorted again; only a change of what the order and
// the filter depend on redoes them.
TEST_F(BookUpkeep, sortsAndFiltersOnlyWhenWhatTheyDependOnChanged) {
    const std::uint64_t sorted = book->recordsVersion();
    book->resort();
    EXPECT_EQ(book->recordsVersion(), sorted);

    // An amount does not order a book sorted by day.
    book->records().front()->setAmount(Amount::fromInt(-8));
    EXPECT_TRUE(book->isSortedNow());
    book->records().back()->setDate(QDate(2024, 5, 9));
    EXPECT_FALSE(book->isSortedNow());
    book->resort();
    EXPECT_EQ(comments(book->records()), QStringLiteral("tea,tea cake,lunch,refund").split(u','));

    book->reloadFilteredListWithSearchKey(QStringLiteral("tea"), {});
    book->records().front()->setAmount(Amount::fromInt(-1));
    book->reloadFilteredListWithSearchKey(QStringLiteral("tea"), {});
    EXPECT_EQ(comments(book->filteredList()), QStringLiteral("tea,tea cake").split(u','));

    // A comment can take a record out of the filter.
    book->records().front()->setComment(QStringLiteral("coffee"));
    book->reloadFilteredListWithSearchKey(QStringLiteral("tea"), {});
    EXPECT_EQ(comments(book->filteredList()), QStringList{QStringLiteral("tea cake")});
    book->reloadFilteredListWithSearchKey(QString(), {});
    EXPECT_EQ(book->filteredCount(), 4u);
}

// Records taken out leave the filtered list with them and come back to
// exactly their places, also in a list that is not sorted.
TEST_F(BookUpkeep, recordsTakenOutGoBackWhereTheyStood) {
    book->reloadFilteredListWithSearchKey(QStringLiteral("t"), {});
    const IOList before = book->records();
    const std::vector<Book::Placed> taken = book->takeObjects({before[0].get(), before[2].get()});
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[1].index, 2u);
    EXPECT_EQ(comments(book->filteredList()), QStringList{QStringLiteral("tea")});
    book->putBackObjects(taken, book->recordsVersion());
    EXPECT_EQ(book->records(), before);
    EXPECT_TRUE(book->isSortedNow());

    // Sorted otherwise in between: the same places, but no longer counted as in order.
    const std::vector<Book::Placed> again = book->takeObjects({before[0].get()});
    book->setSortDescriptors({SortDescriptor{QStringLiteral("amount"), true}});
    book->resort();
    book->putBackObjects(again, 0);
    EXPECT_EQ(book->records().front(), before[0]);
    EXPECT_FALSE(book->isSortedNow());
}

} // namespace
