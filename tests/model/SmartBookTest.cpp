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

#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <random>

namespace {

// Admits every record and counts them.
class Counter : public Condition {
public:
    bool ioMatchesCondition(const IO&) const override {
        ++asked;
        return true;
    }
    mutable std::size_t asked = 0;
};

std::shared_ptr<AndConditions> allOf(ConditionList children) {
    auto group = AndConditions::create();
    group->setChildren(std::move(children));
    return group;
}

ConditionPtr inBook(int code, const BookPtr& book) {
    auto condition = BookCondition::create();
    condition->setConditionTypeCode(code);
    condition->setObject(book);
    return condition;
}

ConditionPtr amountBelow(float bound) {
    auto condition = AmountCondition::create();
    condition->setConditionTypeCode(4);
    condition->setObject(bound);
    return condition;
}

class SmartBookTest : public ::testing::Test {
protected:
    SmartBookTest() {
        // Amounts 1 to 6 on 1 to 6 May: the main library lists them newest day first.
        for (int i = 1; i <= 6; ++i) {
            IOPtr record = IO::create();
            record->setDate(QDate(2024, 5, i));
            record->setAmount(Amount::fromInt(i));
            record->setComment(i % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
            root->mainLibrary()->addObject(record);
            records.push_back(record);
        }
    }
    SmartBookPtr smartBook(ConditionPtr tree) {
        SmartBookPtr book = SmartBook::create();
        book->setConditions(std::move(tree));
        root->addSmartBook(book);
        return book;
    }
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

TEST_F(SmartBookTest, withoutATreeOrWithAnEmptyOrItStaysEmpty) {
    const SmartBookPtr book = SmartBook::create();
    EXPECT_EQ(book->conditions(), nullptr);
    EXPECT_EQ(book->image(), QStringLiteral("SmartBook"));
    book->setRecords({records[0]});
    book->reload(*root);
    EXPECT_EQ(book->count(), 0u);

    book->setConditions(OrConditions::create());
    book->reload(*root);
    EXPECT_EQ(book->count(), 0u);
}

TEST_F(SmartBookTest, anEmptyAndCopiesTheMainLibraryWhateverItsSearch) {
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("odd"), {});
    ASSERT_EQ(root->mainLibrary()->filteredCount(), 3u);
    const SmartBookPtr book = smartBook(AndConditions::create());
    book->reload(*root);
    EXPECT_EQ(book->records(), root->mainLibrary()->records());
    // The same record objects, not copies.
    EXPECT_TRUE(book->includesObject(records[0]));
}

TEST_F(SmartBookTest, settingATreeDoesNotRefresh) {
    const SmartBookPtr book = smartBook(AndConditions::create());
    book->reload(*root);
    book->setConditions(allOf({amountBelow(3.0f)}));
    EXPECT_EQ(book->count(), 6u);
    book->reload(*root);
    EXPECT_EQ(book->records(), mainOrder({1, 2}));
}

TEST_F(SmartBookTest, aBookOfCodeOneIsTheOnlyBookWalkedInItsOwnOrder) {
    const BookPtr plain = Book::create();
    plain->addObjectsFromArray({records[0], records[2], records[4]});
    plain->setSortDescriptors({SortDescriptor{QStringLiteral("amount"), true}});
    plain->resort();
    root->addDumbBook(plain);

    auto counter = std::make_shared<Counter>();
    // The Or would admit every record, but only the plain book is walked.
    auto any = OrConditions::create();
    any->setChildren({inBook(1, plain), Condition::create()});
    const SmartBookPtr book = smartBook(allOf({counter, any}));
    book->reload(*root);
    EXPECT_EQ(counter->asked, 3u);
    EXPECT_EQ(book->records(), (IOList{records[0], records[2], records[4]}));

    // Code 2 excludes exactly the book's records from the main library.
    book->setConditions(allOf({counter, inBook(2, plain)}));
    book->reload(*root);
    EXPECT_EQ(counter->asked, 9u);
    EXPECT_EQ(book->records(), mainOrder({2, 4, 6}));
}

TEST_F(SmartBookTest, anotherSmartBookIsSeenAsOfItsLastRefresh) {
    const SmartBookPtr small = smartBook(allOf({amountBelow(3.0f)}));
    small->reload(*root);
    small->setConditions(AndConditions::create());
    const SmartBookPtr book = smartBook(allOf({inBook(1, small)}));
    book->reload(*root);
    EXPECT_EQ(book->records(), mainOrder({1, 2}));
    EXPECT_EQ(small->count(), 2u);
}

TEST_F(SmartBookTest, aBookThatNamesItselfCanOnlyLoseRecords) {
    const SmartBookPtr book = SmartBook::create();
    book->setConditions(allOf({amountBelow(5.0f)}));
    root->addSmartBook(book);
    book->reload(*root);
    ASSERT_EQ(book->records(), mainOrder({1, 2, 3, 4}));

    book->setConditions(allOf({inBook(1, book), amountBelow(3.0f)}));
    book->reload(*root);
    EXPECT_EQ(book->records(), mainOrder({1, 2}));
    root->mainLibrary()->addObject(IO::create());
    book->reload(*root);
    EXPECT_EQ(book->records(), mainOrder({1, 2}));

    const SmartBookPtr fresh = SmartBook::create();
    fresh->setConditions(allOf({inBook(1, fresh)}));
    root->addSmartBook(fresh);
    fresh->reload(*root);
    EXPECT_EQ(fresh->count(), 0u);
}

TEST(SmartBookLifetime, booksThatNameEachOtherAreFreedWithTheLibrary) {
    std::weak_ptr<SmartBook> self;
    std::weak_ptr<SmartBook> first;
    std::weak_ptr<SmartBook> second;
    std::weak_ptr<SmartBook> deleted;
    std::weak_ptr<SmartBook> unlisted;
    {
        const DataRootPtr root = DataRoot::create();
        const auto make = [&root](std::weak_ptr<SmartBook>& handle, bool listed) {
            SmartBookPtr book = SmartBook::create();
            handle = book;
            if (listed) {
                root->addSmartBook(book);
            }
            return book;
        };
        const SmartBookPtr a = make(self, true);
        a->setConditions(allOf({inBook(1, a)}));
        const SmartBookPtr b = make(first, true);
        const SmartBookPtr c = make(second, true);
        b->setConditions(allOf({inBook(1, c)}));
        c->setConditions(allOf({inBook(2, b)}));
        // A deleted book still named by a listed one.
        const SmartBookPtr d = make(deleted, true);
        d->setConditions(allOf({inBook(1, d)}));
        c->setConditions(allOf({inBook(2, b), inBook(1, d)}));
        root->deleteBook(d.get());
        // A book that never was listed, as an older file may hold one, naming itself.
        const SmartBookPtr e = make(unlisted, false);
        e->setConditions(allOf({inBook(1, e)}));
        a->setConditions(allOf({inBook(1, a), inBook(2, e)}));
    }
    EXPECT_TRUE(self.expired());
    EXPECT_TRUE(first.expired());
    EXPECT_TRUE(second.expired());
    EXPECT_TRUE(deleted.expired());
    EXPECT_TRUE(unlisted.expired());
}

// The refresh reads the clock once and prepares the tree's operands; what it
// admits must be exactly what asking each record on its own admits.
TEST(SmartBookRefresh, admitsWhatTheConditionsAdmitOneByOne) {
    TestEnvironment::setTimeZone("Europe/Berlin");
    Clock::setFixed(QDateTime(QDate(2024, 3, 31), QTime(15, 0)));
    const DataRootPtr root = DataRoot::create();
    std::mt19937 random(3);
    const QStringList comments = {QStringLiteral("Rent for March"), QStringLiteral("rent"), QStringLiteral("Café"),
                                  QStringLiteral(""), QStringLiteral("Cafe\u0301 au lait")};
    for (int i = 0; i < 400; ++i) {
        IOPtr record = IO::create();
        record->setDate(QDate(2024, 1, 1).addDays(std::uniform_int_distribution<int>(0, 120)(random)));
        record->setAmount(Amount::fromParts(std::uniform_int_distribution<int>(-400, 400)(random), -1));
        record->setComment(comments[std::uniform_int_distribution<int>(0, int(comments.size()) - 1)(random)]);
        root->mainLibrary()->addObject(record);
    }

    std::vector<ConditionPtr> leaves;
    for (int code : {1, 2, 3, 4, 5, 6, 13, 14}) {
        for (int period : {1, 2, 3}) {
            auto date = DateCondition::create();
            date->setConditionTypeCode(code);
            date->setPeriodID(period);
            if (code >= 13) {
                date->setObject(float(period * 5));
            } else {
                date->setObject(CalendarDate::startOfDay(QDate(2024, 2, 10 * period)));
                date->setObject2(CalendarDate::fromDateTime(QDateTime(QDate(2024, 3, 1), QTime(9, 0))));
            }
            leaves.push_back(date);
        }
    }
    for (int code : {1, 2, 7, 8, 9, 10, 11, 12}) {
        for (const char* text : {"Rent", "Caf\u00e9", "", "au lait"}) {
            auto comment = CommentCondition::create();
            comment->setConditionTypeCode(code);
            comment->setObject(QString::fromUtf8(text));
            leaves.push_back(comment);
        }
    }
    auto range = AmountCondition::create();
    range->setConditionTypeCode(5);
    range->setObject(-10.5f);
    range->setObject2(12.25f);
    leaves.push_back(range);

    for (const ConditionPtr& leaf : leaves) {
        IOList expected;
        for (const IOPtr& record : root->mainLibrary()->records()) {
            if (leaf->ioMatchesCondition(*record)) {
                expected.push_back(record);
            }
        }
        SmartBook book;
        book.setConditions(allOf({Condition::create(), leaf}));
        book.reload(*root);
        EXPECT_EQ(book.records(), expected) << leaf->className().toStdString() << " " << leaf->conditionTypeCode();
    }
    Clock::reset();
    TestEnvironment::setTimeZone("UTC");
}

TEST(SmartBookLog, singleAndSetReloadsOnlyLogWhenAskedTo) {
    static QStringList logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
    SmartBook book;
    const IOPtr record = IO::create();
    book.reloadIO(*record);
    book.reloadIOSet({record.get()});
    EXPECT_TRUE(logged.isEmpty());

    QLoggingCategory::setFilterRules(QStringLiteral("kesh.smartbook.debug=true"));
    book.reloadIO(*record);
    book.reloadIOSet({record.get()});
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, (QStringList{QStringLiteral("single reload"), QStringLiteral("set reload")}));
    EXPECT_EQ(book.count(), 0u);
}

} // namespace
