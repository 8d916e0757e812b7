#include "Book.h"
#include "Clock.h"
#include "RecordRevision.h"

#include <gtest/gtest.h>

#include <random>

namespace {

IOPtr record(QDate day, const char* amount = "0", const char* comment = "", std::int8_t include = 1) {
    IOPtr r = IO::create();
    r->setDate(day);
    r->setAmount(Amount::fromString(QString::fromUtf8(amount)));
    r->setComment(QString::fromUtf8(comment));
    r->setIncludeInStats(include);
    return r;
}

// Each record as the position it had in `original`, to compare orders.
std::vector<int> orderOf(const IOList& list, const IOList& original) {
    std::vector<int> order;
    for (const IOPtr& r : list) {
        order.push_back(int(std::find(original.begin(), original.end(), r) - original.begin()));
    }
    return order;
}

TEST(Book, aNewBookIsEmptyAndSortsNewestDayFirst) {
    const BookPtr book = Book::create();
    EXPECT_EQ(book->bookName(), QStringLiteral("Untitled"));
    EXPECT_EQ(book->count(), 0u);
    EXPECT_EQ(book->filteredCount(), 0u);
    EXPECT_EQ(book->totalIn(), 0.0);
    EXPECT_EQ(book->totalOut(), 0.0);
    EXPECT_EQ(book->total(), 0.0);
    EXPECT_EQ(book->prevSearchKey(), QStringLiteral(""));
    EXPECT_EQ(book->sortDescriptors(), Book::defaultSortDescriptors());
    EXPECT_EQ(book->image(), QStringLiteral("NormalBook"));
}

TEST(Book, addedRecordsStandNewestDayFirstThenNewestEntryFirst) {
    const BookPtr book = Book::create();
    const IOPtr may3 = record(QDate(2024, 5, 3));
    const IOPtr may5 = record(QDate(2024, 5, 5));
    const IOPtr may4 = record(QDate(2024, 5, 4));
    book->addObject(may3);
    book->addObject(may5);
    book->addObject(may4);
    EXPECT_EQ(book->records(), (IOList{may5, may4, may3}));

    Clock::setFixed(QDateTime::currentDateTime().addSecs(60));
    const IOPtr laterOnMay4 = record(QDate(2024, 5, 4));
    Clock::reset();
    book->addObject(laterOnMay4);
    EXPECT_EQ(book->records(), (IOList{may5, laterOnMay4, may4, may3}));

    // Adding what is there changes nothing.
    book->addObject(may4);
    book->addObjectsFromArray({may3, may5});
    EXPECT_EQ(book->count(), 4u);
}

TEST(Book, aFirstKeyOnTheDayBringsTheEntryTimeInTheSameDirection) {
    const BookPtr book = Book::create();
    book->setSortDescriptors({{QStringLiteral("date"), true}, {QStringLiteral("amount"), false}});
    EXPECT_EQ(book->sortDescriptors(),
              (SortDescriptorList{{QStringLiteral("date"), true}, {QStringLiteral("timeOfEntry"), true}}));
    const SortDescriptorList byAmount = {{QStringLiteral("amount"), true}, {QStringLiteral("date"), false}};
    book->setSortDescriptors(byAmount);
    EXPECT_EQ(book->sortDescriptors(), byAmount);
    // An empty order is not an order: the book keeps the one it has.
    book->setSortDescriptors({});
    EXPECT_EQ(book->sortDescriptors(), byAmount);
}

TEST(Book, sortsByEveryRecordKeyAndKeepsEqualRecordsInTheirOrder) {
    const KeywordPtr a = Keyword::create(QStringLiteral("a"));
    const KeywordPtr b = Keyword::create(QStringLiteral("b"));
    const IOList records = {record(QDate(2024, 1, 2), "5", "pear", 1), record(QDate(2024, 1, 1), "-3", "Apple", 0),
                            record(QDate(2024, 1, 3), "5", "apple", 1), record(QDate(2024, 1, 2), "0.5", "pear", 0)};
    records[0]->addKeyword(b);
    records[2]->addKeyword(a);
    records[3]->addKeyword(a);
    records[3]->addKeyword(b);

    struct Case {
        const char* key;
        bool ascending;
        std::vector<int> order;
    };
    const Case cases[] = {
        {"amount", true, {1, 3, 0, 2}},           {"amount", false, {0, 2, 3, 1}},
        {"comment", true, {1, 2, 0, 3}},          {"includeInStats", true, {1, 3, 0, 2}},
        {"keywordsAsString", true, {1, 2, 3, 0}}, {"unknownKey", true, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        const BookPtr book = Book::create();
        book->setRecords(records);
        book->setSortDescriptors({{QString::fromUtf8(c.key), c.ascending}});
        book->resort();
        EXPECT_EQ(orderOf(book->records(), records), c.order) << c.key;
    }
    // Equal under the first key, the second decides.
    const BookPtr book = Book::create();
    book->setRecords(records);
    book->setSortDescriptors({{QStringLiteral("comment"), false}, {QStringLiteral("amount"), true}});
    book->resort();
    EXPECT_EQ(orderOf(book->records(), records), (std::vector<int>{3, 0, 2, 1}));

    // In order but for the last pair: still sorted. In order with equal
    // amounts: kept exactly as it stands.
    book->setSortDescriptors({{QStringLiteral("amount"), true}});
    book->setRecords({records[1], records[0], records[2], records[3]});
    book->resort();
    EXPECT_EQ(orderOf(book->records(), records), (std::vector<int>{1, 3, 0, 2}));
    book->setRecords({records[1], records[3], records[2], records[0]});
    book->resort();
    EXPECT_EQ(orderOf(book->records(), records), (std::vector<int>{1, 3, 2, 0}));
}

TEST(Book, theCountedFlagSortsAsYesOrNoAndKeepsItsByte) {
    // Imported flags are any byte: 200 is kept as -56 and, like every byte but 0, counts.
    const IOList records = {record(QDate(2024, 1, 1), "1", "", std::int8_t(-56)), record(QDate(2024, 1, 2), "2", "", 0),
                            record(QDate(2024, 1, 3), "3", "", 1), record(QDate(2024, 1, 4), "4", "", 127),
                            record(QDate(2024, 1, 5), "5", "", 0)};
    for (const bool ascending : {true, false}) {
        const BookPtr book = Book::create();
        book->setRecords(records);
        book->setSortDescriptors({{QStringLiteral("includeInStats"), ascending}});
        book->resort();
        EXPECT_EQ(orderOf(book->records(), records),
                  ascending ? (std::vector<int>{1, 4, 0, 2, 3}) : (std::vector<int>{0, 2, 3, 1, 4}));
        // Added one by one, each lands where the whole sort puts it.
        const BookPtr added = Book::create();
        added->setSortDescriptors({{QStringLiteral("includeInStats"), ascending}, {QStringLiteral("amount"), true}});
        added->resort();
        for (const IOPtr& r : records) {
            added->addObject(r);
        }
        EXPECT_EQ(orderOf(added->records(), records), orderOf(book->records(), records));
    }
    EXPECT_EQ(records[0]->includeInStats(), -56);
}

TEST(Book, addingOneRecordOrABatchGivesTheSameOrderAsSortingEverything) {
    std::mt19937 random(3);
    for (const char* key : {"date", "amount", "comment", "includeInStats"}) {
        for (const bool ascending : {true, false}) {
            IOList records;
            for (int i = 0; i < 300; ++i) {
                const QByteArray amount = QByteArray::number(int(random() % 7) - 3);
                const char* comments[] = {"a", "b", "c"};
                records.push_back(record(QDate(2024, 1, 1).addDays(random() % 10), amount.constData(),
                                         comments[random() % 3], std::int8_t(random() % 2)));
            }
            const BookPtr incremental = Book::create();
            incremental->setSortDescriptors({{QString::fromUtf8(key), ascending}});
            incremental->resort();
            for (const IOPtr& r : records) {
                incremental->addObject(r);
            }
            const BookPtr sorted = Book::create();
            sorted->setSortDescriptors({{QString::fromUtf8(key), ascending}});
            sorted->setRecords(records);
            sorted->resort();
            EXPECT_EQ(incremental->records(), sorted->records()) << key << ascending;

            // Batches merged into a sorted list, equal keys among them, and an
            // edit that unsorts the list before the last batch.
            const BookPtr batched = Book::create();
            batched->setSortDescriptors({{QString::fromUtf8(key), ascending}});
            batched->resort();
            batched->addObjectsFromArray(IOList(records.begin(), records.begin() + 100));
            batched->addObjectsFromArray(IOList(records.begin() + 100, records.begin() + 200));
            records[7]->setAmount(Amount::fromString(QStringLiteral("9")));
            records[8]->setDate(QDate(2023, 6, 1));
            batched->addObjectsFromArray(IOList(records.begin() + 200, records.end()));
            sorted->setRecords(records);
            sorted->resort();
            EXPECT_EQ(orderOf(batched->records(), records), orderOf(sorted->records(), records)) << key << ascending;
        }
    }
}

TEST(Book, anEditAfterSortingIsSortedIntoPlaceByTheNextAddition) {
    const BookPtr book = Book::create();
    const IOPtr jan1 = record(QDate(2024, 1, 1));
    const IOPtr jan2 = record(QDate(2024, 1, 2));
    book->addObject(jan1);
    book->addObject(jan2);
    jan1->setDate(QDate(2024, 1, 9));
    const IOPtr jan5 = record(QDate(2024, 1, 5));
    book->addObject(jan5);
    EXPECT_EQ(book->records(), (IOList{jan1, jan5, jan2}));
}

TEST(Book, filtersByKeyAndKeywordsAndOtherwiseListsItsRecords) {
    const KeywordPtr k1 = Keyword::create(QStringLiteral("K1"));
    const BookPtr book = Book::create();
    const IOPtr tax = record(QDate(2024, 1, 3), "1", "income tax");
    const IOPtr taxTagged = record(QDate(2024, 1, 2), "1", "tax refund");
    const IOPtr other = record(QDate(2024, 1, 1), "1", "groceries");
    taxTagged->addKeyword(k1);
    other->addKeyword(k1);
    book->addObjectsFromArray({tax, taxTagged, other});

    book->reloadFilteredListWithSearchKey(QStringLiteral("tax"), {});
    EXPECT_EQ(book->filteredList(), (IOList{tax, taxTagged}));
    EXPECT_EQ(book->prevSearchKey(), QStringLiteral("tax"));
    EXPECT_EQ(book->count(), 3u);
    book->reloadFilteredListWithSearchKey(QStringLiteral("tax"), {k1});
    EXPECT_EQ(book->filteredList(), (IOList{taxTagged}));
    book->reloadFilteredListWithSearchKey(QString(), {k1});
    EXPECT_EQ(book->filteredList(), (IOList{taxTagged, other}));
    EXPECT_EQ(book->prevSearchKey(), QStringLiteral(""));

    // Unfiltered, the filtered list is the record list: additions show at once.
    book->reloadFilteredListWithSearchKey(QStringLiteral(""), {});
    const IOPtr added = record(QDate(2024, 1, 4));
    book->addObject(added);
    EXPECT_EQ(book->filteredCount(), 4u);
    EXPECT_EQ(book->filteredObjectAtIndex(0), added);
}

TEST(Book, aRangeOfDaysListsTheRecordsWithinItAndFollowsAnEditedDay) {
    const KeywordPtr k1 = Keyword::create(QStringLiteral("K1"));
    const BookPtr book = Book::create();
    const IOPtr before = record(QDate(2024, 2, 29), "1", "rent");
    const IOPtr first = record(QDate(2024, 3, 1), "1", "rent");
    const IOPtr last = record(QDate(2024, 3, 31), "1", "food");
    last->addKeyword(k1);
    book->addObjectsFromArray({before, first, last});
    const DayRange march(QDate(2024, 3, 1), QDate(2024, 3, 31));

    book->reloadFilteredListWithSearchKey(QString(), {}, march);
    EXPECT_EQ(book->filteredList(), (IOList{last, first}));
    book->reloadFilteredListWithSearchKey(QStringLiteral("rent"), {}, march);
    EXPECT_EQ(book->filteredList(), (IOList{first}));
    book->reloadFilteredListWithSearchKey(QString(), {k1}, march);
    EXPECT_EQ(book->filteredList(), (IOList{last}));
    // A day moved out of the range leaves the list at the next reload with the same range.
    book->reloadFilteredListWithSearchKey(QString(), {}, march);
    first->setDate(QDate(2024, 4, 1));
    book->reloadFilteredListWithSearchKey(QString(), {}, march);
    EXPECT_EQ(book->filteredList(), (IOList{last}));
    book->reloadFilteredListWithSearchKey(QString(), {});
    EXPECT_EQ(book->filteredCount(), 3u);
}

TEST(Book, totalsSumWhatTheFilteredListShowsAndCountsInStatistics) {
    const BookPtr book = Book::create();
    book->addObjectsFromArray({record(QDate(2024, 1, 1), "100", "a"), record(QDate(2024, 1, 2), "-40", "b"),
                               record(QDate(2024, 1, 3), "0", "c"), record(QDate(2024, 1, 4), "-10", "d", 0)});
    EXPECT_EQ(book->totalIn(), 100.0);
    EXPECT_EQ(book->totalOut(), 40.0);
    EXPECT_EQ(book->total(), 60.0);

    book->reloadFilteredListWithSearchKey(QStringLiteral("b"), {});
    EXPECT_EQ(book->totalIn(), 0.0);
    EXPECT_EQ(book->totalOut(), 40.0);
    EXPECT_EQ(book->total(), -40.0);

    // A changed record changes the totals at once.
    book->filteredObjectAtIndex(0)->setAmount(Amount::fromInt(-45));
    EXPECT_EQ(book->totalOut(), 45.0);
    book->filteredObjectAtIndex(0)->setIncludeInStats(0);
    EXPECT_EQ(book->total(), 0.0);
}

TEST(Book, recordPointersCarryTheSameRecordsToAnotherBookOnce) {
    const BookPtr source = Book::create();
    const BookPtr target = Book::create();
    const IOPtr a = record(QDate(2024, 1, 1));
    const IOPtr b = record(QDate(2024, 1, 2));
    source->addObjectsFromArray({a, b});
    target->addObject(a);
    target->addObjectsFromArrayOfPointers(source->recordsAsPointers());
    EXPECT_EQ(target->records(), (IOList{b, a}));

    // A record that is gone by now is skipped.
    IOWeakList held;
    {
        const IOPtr gone = record(QDate(2024, 1, 3));
        held.push_back(gone);
    }
    target->addObjectsFromArrayOfPointers(held);
    EXPECT_EQ(target->count(), 2u);
}

TEST(Book, removingTakesRecordsOutOfThisBookOnly) {
    const BookPtr book = Book::create();
    IOList many;
    for (int i = 0; i < 200; ++i) {
        many.push_back(record(QDate(2024, 1, 1).addDays(i)));
    }
    book->addObjectsFromArray(many);
    book->removeObject(many[10]);
    book->removeObject(record(QDate(2024, 1, 1)));
    EXPECT_EQ(book->count(), 199u);
    EXPECT_FALSE(book->includesObject(many[10]));
    EXPECT_TRUE(book->includesObject(many[11]));
    book->removeObjects({many[0].get(), many[1].get(), many[10].get()});
    EXPECT_EQ(book->count(), 197u);
    EXPECT_FALSE(book->includesObject(many[1]));
    book->addObject(many[1]);
    EXPECT_TRUE(book->includesObject(many[1]));
}

TEST(Book, bookNamesSortByCharacterCode) {
    std::vector<BookPtr> books;
    for (const char* name : {"cherry", "apple", "Banana"}) {
        books.push_back(Book::create());
        books.back()->setBookName(QString::fromUtf8(name));
    }
    std::sort(books.begin(), books.end(), [](const BookPtr& x, const BookPtr& y) { return x->compare(*y) < 0; });
    EXPECT_EQ(books[0]->bookName(), QStringLiteral("Banana"));
    EXPECT_EQ(books[1]->bookName(), QStringLiteral("apple"));
    EXPECT_EQ(books[2]->bookName(), QStringLiteral("cherry"));

    const BookPtr composed = Book::create();
    const BookPtr decomposed = Book::create();
    composed->setBookName(QString::fromUtf8("Caf\u00e9"));
    decomposed->setBookName(QString::fromUtf8("Cafe\u0301"));
    EXPECT_EQ(composed->compare(*decomposed), 0);
}

TEST(Book, deleteKeywordsTakesThemOffEveryRecord) {
    const KeywordPtr k1 = Keyword::create();
    const KeywordPtr k2 = Keyword::create();
    const BookPtr book = Book::create();
    const IOPtr a = record(QDate(2024, 1, 1));
    const IOPtr b = record(QDate(2024, 1, 2));
    a->addKeywords({k1, k2});
    b->addKeyword(k1);
    book->addObjectsFromArray({a, b});
    book->deleteKeywords({k1});
    EXPECT_EQ(a->keywords(), KeywordList{k2});
    EXPECT_TRUE(b->keywords().empty());
}

} // namespace
