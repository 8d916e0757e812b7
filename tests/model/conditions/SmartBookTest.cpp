#include "SmartBook.h"
#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "Clock.h"
#include "CommentCondition.h"
#include "DataRoot.h"
#include "DateCondition.h"
#include "OrConditions.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Admits every record and counts them.
class Counter : public Condition {
public:
    bool ioMatchesCondition(const IO&) const override { return ++asked, true; }
    mutable std::size_t asked = 0;
};

std::shared_ptr<AndConditions> allOf(ConditionList children) {
    auto group = AndConditions::create();
    group->setChildren(std::move(children));
    return group;
}

ConditionPtr inBook(std::int32_t code, const BookPtr& book) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(book);
    return condition;
}

ConditionPtr amountBelow(std::int64_t bound) {
    auto condition = AmountCondition::create();
    condition->setConditionTypeCode(Condition::LessThan);
    condition->setObject(Amount::fromInt(bound));
    return condition;
}

class SmartBookTest : public ::testing::Test {
protected:
    SmartBookTest() {
        // Amounts 1 to 6 on 1 to 6 May: the main library lists them newest day first.
        for (int i = 1; i <= 6; ++i) {
            records.push_back(IO::create(Amount::fromInt(i), QDateTime(QDate(2024, 5, i), QTime()), {},
                                         i % 2 ? QStringLiteral("odd") : QStringLiteral("even"), 1));
            root->mainLibrary()->addObject(records.back());
        }
    }
    SmartBookPtr smartBook(ConditionPtr tree) {
        SmartBookPtr book = SmartBook::create();
        book->setConditions(std::move(tree));
        root->addSmartBook(book);
        return book;
    }
    // The records of these amounts, in the main library's order.
    IOList mainOrder(std::initializer_list<int> amounts) const {
        IOList list;
        for (const IOPtr& record : root->mainLibrary()->records()) {
            if (std::find(amounts.begin(), amounts.end(), int(record->amountAsDouble())) != amounts.end()) {
                list.push_back(record);
            }
        }
        return list;
    }

    DataRootPtr root = DataRoot::create();
    IOList records; // by amount - 1
};

TEST_F(SmartBookTest, noTreeOrAnEmptyOrFindNothingAndAnEmptyAndFindsTheWholeLibrary) {
    const SmartBookPtr book = SmartBook::create();
    book->setRecords({records[0]});
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->count(), 0u);
    book->setConditions(OrConditions::create());
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->count(), 0u);

    // The main library's search does not narrow what a smart book finds.
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("odd"), {});
    book->setConditions(AndConditions::create());
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->records(), root->mainLibrary()->records());
}

TEST_F(SmartBookTest, whatItPicksFromALibrarySortedItsWayNeedsNoSortButAnotherOrderDoes) {
    const SmartBookPtr book = smartBook(amountBelow(5));
    root->reloadSmartBook(*book);
    EXPECT_TRUE(book->isSortedNow());
    EXPECT_EQ(book->records(), mainOrder({1, 2, 3, 4}));

    // Sorted by amount, the book's order is not the library's.
    book->setSortDescriptors({SortDescriptor{QStringLiteral("amount"), true}});
    root->reloadSmartBook(*book);
    EXPECT_FALSE(book->isSortedNow());
    book->resort();
    EXPECT_EQ(book->records(), (IOList{records[0], records[1], records[2], records[3]}));

    // A library edited out of its order hands over no promise either.
    book->setSortDescriptors(Book::defaultSortDescriptors());
    records[5]->setDate(QDateTime(QDate(2024, 4, 1), QTime()));
    root->reloadSmartBook(*book);
    EXPECT_FALSE(book->isSortedNow());
}

TEST_F(SmartBookTest, aBookOfCodeIsIsTheOnlyBookWalkedInItsOwnOrder) {
    const BookPtr plain = Book::create();
    plain->addObjectsFromArray({records[0], records[2], records[4]});
    plain->setSortDescriptors({SortDescriptor{QStringLiteral("amount"), true}});
    plain->resort();
    root->addDumbBook(plain);

    // The Or would admit every record, but only the plain book is walked.
    auto counter = std::make_shared<Counter>();
    auto any = OrConditions::create();
    any->setChildren({inBook(Condition::Is, plain), Condition::create()});
    const SmartBookPtr book = smartBook(allOf({counter, any}));
    root->reloadSmartBook(*book);
    EXPECT_EQ(counter->asked, 3u);
    EXPECT_EQ(book->records(), (IOList{records[0], records[2], records[4]}));

    // Code 2 walks the main library and leaves exactly the book's records out.
    book->setConditions(allOf({inBook(Condition::IsNot, plain)}));
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->records(), mainOrder({2, 4, 6}));
}

TEST_F(SmartBookTest, otherSmartBooksAndItselfAreSeenAsOfTheirLastRefresh) {
    const SmartBookPtr small = smartBook(allOf({amountBelow(4)}));
    root->reloadSmartBook(*small);
    small->setConditions(AndConditions::create());
    const SmartBookPtr book = smartBook(allOf({inBook(Condition::Is, small)}));
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->records(), mainOrder({1, 2, 3}));
    EXPECT_EQ(small->count(), 3u);

    // Naming itself, a book walks its own list: it can only lose records.
    book->setConditions(allOf({inBook(Condition::Is, book), amountBelow(3)}));
    const IOList lower = mainOrder({1, 2});
    root->mainLibrary()->addObject(IO::create(Amount::fromInt(1), {}, {}, {}, 1));
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->records(), lower);
    const SmartBookPtr fresh = smartBook(nullptr);
    fresh->setConditions(allOf({inBook(Condition::Is, fresh)}));
    root->reloadSmartBook(*fresh);
    EXPECT_EQ(fresh->count(), 0u);
}

TEST_F(SmartBookTest, aBookTheLibraryNoLongerHoldsFindsNothingAndNoDeletedRecordShows) {
    const BookPtr plain = Book::create();
    plain->addObjectsFromArray({records[0], records[1], records[2]});
    root->addDumbBook(plain);
    const SmartBookPtr holder = smartBook(allOf({amountBelow(3)}));
    root->reloadSmartBook(*holder);
    const SmartBookPtr in = smartBook(allOf({inBook(Condition::Is, plain)}));
    const SmartBookPtr notIn = smartBook(allOf({inBook(Condition::IsNot, plain)}));
    const SmartBookPtr inHolder = smartBook(allOf({inBook(Condition::Is, holder)}));
    const SmartBookPtr both =
        smartBook(allOf({inBook(Condition::Is, root->mainLibrary()), inBook(Condition::Is, plain)}));
    // In an Or, a gone book leaves the other branch to decide.
    auto either = OrConditions::create();
    either->setChildren({inBook(Condition::Is, root->mainLibrary()), inBook(Condition::Is, plain)});
    const SmartBookPtr eitherBook = smartBook(allOf({either}));
    root->reloadSmartBook(*in);
    EXPECT_EQ(in->records(), mainOrder({1, 2, 3}));

    // The books go, then a record they hold goes from the library.
    root->deleteBook(plain.get());
    root->deleteBook(holder.get());
    root->deleteIO(records[0].get());
    for (const SmartBookPtr& book : {in, notIn, inHolder, both}) {
        root->reloadSmartBook(*book);
        EXPECT_EQ(book->count(), 0u);
        EXPECT_EQ(book->total(), 0.0);
    }
    root->reloadSmartBook(*eitherBook);
    EXPECT_EQ(eitherBook->records(), mainOrder({2, 3, 4, 5, 6}));

    // Put back, the books are sources again.
    root->addDumbBook(plain);
    root->reloadSmartBook(*in);
    EXPECT_EQ(in->records(), mainOrder({2, 3}));
}

TEST_F(SmartBookTest, findsOnlyRecordsOfTheMainLibrary) {
    // A list that holds a record the library does not, as an older file may.
    const BookPtr plain = Book::create();
    plain->addObjectsFromArray({records[0], IO::create(Amount::fromInt(1), {}, {}, {}, 1)});
    root->addDumbBook(plain);
    const SmartBookPtr book = smartBook(allOf({inBook(Condition::Is, plain)}));
    root->reloadSmartBook(*book);
    EXPECT_EQ(book->records(), IOList{records[0]});
}

TEST(SmartBookLifetime, booksThatNameEachOtherAreFreedWithTheLibrary) {
    std::vector<std::weak_ptr<SmartBook>> handles;
    {
        const DataRootPtr root = DataRoot::create();
        const auto make = [&](bool listed) {
            SmartBookPtr book = SmartBook::create();
            handles.push_back(book);
            if (listed) {
                root->addSmartBook(book);
            }
            return book;
        };
        const SmartBookPtr a = make(true);
        const SmartBookPtr b = make(true);
        const SmartBookPtr c = make(true);
        // A book that is not listed (as an older file may hold one) and names itself.
        const SmartBookPtr d = make(false);
        b->setConditions(allOf({inBook(Condition::Is, c)}));
        c->setConditions(allOf({inBook(Condition::IsNot, b)}));
        d->setConditions(allOf({inBook(Condition::Is, d)}));
        a->setConditions(allOf({inBook(Condition::Is, a), inBook(Condition::IsNot, d)}));
        // A deleted book that names itself.
        const SmartBookPtr e = make(true);
        e->setConditions(allOf({inBook(Condition::Is, e)}));
        root->deleteBook(e.get());
    }
    for (const std::weak_ptr<SmartBook>& handle : handles) {
        EXPECT_TRUE(handle.expired());
    }
}

// A refresh reads the clock once and prepares the operands; it must admit
// exactly what asking each record on its own admits.
TEST(SmartBookRefresh, admitsWhatTheConditionsAdmitOneByOne) {
    TestEnvironment::setTimeZone("Europe/Berlin");
    Clock::setFixed(QDateTime(QDate(2024, 3, 31), QTime(15, 0)));
    const DataRootPtr root = DataRoot::create();
    std::mt19937 random(3);
    const QStringList comments = {QStringLiteral("Rent for March"), QStringLiteral("rent"), QStringLiteral("Café"),
                                  QString(), QStringLiteral("Cafe\u0301 au lait")};
    for (int i = 0; i < 400; ++i) {
        root->mainLibrary()->appendObject(IO::create(
            Amount::fromParts(std::uniform_int_distribution<int>(-400, 400)(random), -1),
            QDateTime(QDate(2024, 1, 1).addDays(std::uniform_int_distribution<int>(0, 120)(random)), QTime()), {},
            comments[std::uniform_int_distribution<int>(0, 4)(random)], 1));
    }
    std::vector<ConditionPtr> leaves;
    for (const std::int32_t code :
         {Condition::Is, Condition::IsNot, Condition::GreaterThan, Condition::LessThan, Condition::Between,
          Condition::NotBetween, Condition::WithinLast, Condition::NotWithinLast}) {
        for (const std::int32_t period : {DateCondition::Days, DateCondition::Weeks, DateCondition::Months}) {
            auto date = DateCondition::create();
            date->setConditionTypeCode(code);
            date->setPeriodID(period);
            date->setObject(code >= Condition::WithinLast
                                ? ConditionOperand(Amount::fromInt(period * 5))
                                : ConditionOperand(CalendarDate::startOfDay(QDate(2024, 2, 10 * period))));
            date->setObject2(CalendarDate::fromDateTime(QDateTime(QDate(2024, 3, 1), QTime(9, 0))));
            leaves.push_back(date);
        }
    }
    for (const std::int32_t code :
         {Condition::Is, Condition::IsNot, Condition::Includes, Condition::DoesNotInclude, Condition::StartsWith,
          Condition::DoesNotStartWith, Condition::EndsWith, Condition::DoesNotEndWith}) {
        for (const char* text : {"Rent", "Caf\u00e9", "", "au lait"}) {
            auto comment = CommentCondition::create();
            comment->setConditionTypeCode(code);
            comment->setObject(QString::fromUtf8(text));
            leaves.push_back(comment);
        }
    }
    for (const std::int32_t code : {Condition::Is, Condition::IsNot, Condition::GreaterThan, Condition::LessThan,
                                    Condition::Between, Condition::NotBetween}) {
        for (const std::int64_t bound : {-105, 0, 37}) {
            auto amount = AmountCondition::create();
            amount->setConditionTypeCode(code);
            amount->setObject(*Amount::fromParts(bound, -1));
            amount->setObject2(*Amount::fromParts(bound + 150, -1));
            leaves.push_back(amount);
        }
    }
    for (const ConditionPtr& leaf : leaves) {
        IOList expected;
        for (const IOPtr& record : root->mainLibrary()->records()) {
            if (leaf->ioMatchesCondition(*record)) {
                expected.push_back(record);
            }
        }
        SmartBook book;
        book.setConditions(allOf({Condition::create(), leaf}));
        root->reloadSmartBook(book);
        EXPECT_EQ(book.records(), expected) << leaf->className().toStdString() << " " << leaf->conditionTypeCode();
    }
    Clock::reset();
    TestEnvironment::setTimeZone("UTC");
}

} // namespace
