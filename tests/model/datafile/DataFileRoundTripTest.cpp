#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "DataFile.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "OrConditions.h"
#include "SmartBook.h"
#include "TestEnvironment.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// An exact decimal from its text.
Amount dec(const char* text) {
    return *Amount::fromString(QString::fromLatin1(text));
}

// Saves and loads again through a real file.
DataRootPtr roundTrip(const DataRoot& root) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    DataFile file(path);
    EXPECT_TRUE(file.save(root)) << file.errorString().toStdString();
    EXPECT_TRUE(file.load()) << file.errorString().toStdString();
    EXPECT_EQ(file.status(), DataFile::Status::Read);
    return file.root();
}

IOPtr makeRecord(const DataRootPtr& root, const QString& comment, int cents = -1250) {
    IOPtr record =
        IO::create(Amount::fromParts(cents, -2), QDateTime(QDate(2024, 3, 15), QTime(14, 35)), {}, comment, 1);
    root->mainLibrary()->addObject(record);
    return record;
}

BookPtr addPlainBook(const DataRootPtr& root, const QString& name) {
    BookPtr book = Book::create();
    book->setBookName(name);
    root->addDumbBook(book);
    return book;
}

SmartBookPtr addSmartBook(const DataRootPtr& root, const QString& name, ConditionPtr tree) {
    SmartBookPtr book = SmartBook::create();
    book->setBookName(name);
    book->setConditions(std::move(tree));
    root->addSmartBook(book);
    return book;
}

// Restores the process's zone however a test ends.
class ZoneScope {
public:
    ZoneScope()
        : m_had(qEnvironmentVariableIsSet("TZ"))
        , m_zone(qgetenv("TZ")) {}
    ~ZoneScope() {
        if (m_had) {
            TestEnvironment::setTimeZone(m_zone.constData());
        } else {
            qunsetenv("TZ");
            tzset();
        }
    }

private:
    bool m_had;
    QByteArray m_zone;
};

TEST(DataFileRoundTrip, RecordInSeveralBooksIsOneObject) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr shared = makeRecord(root, QStringLiteral("Rent for May"));
    makeRecord(root, QStringLiteral("Coffee"));
    const BookPtr trip = addPlainBook(root, QStringLiteral("Trip"));
    const BookPtr bills = addPlainBook(root, QStringLiteral("Bills"));
    trip->addObject(shared);
    bills->addObject(shared);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->dumbBooks().size(), 2u);
    const IOPtr inBills = loaded->dumbBooks()[0]->objectAtIndex(0);
    const IOPtr inTrip = loaded->dumbBooks()[1]->objectAtIndex(0);
    EXPECT_EQ(inBills, inTrip);
    EXPECT_TRUE(loaded->mainLibrary()->includesObject(inBills));
    EXPECT_EQ(loaded->mainLibrary()->count(), 2u);

    inTrip->setComment(QStringLiteral("Rent for June"));
    const auto& main = loaded->mainLibrary()->records();
    EXPECT_TRUE(std::any_of(main.begin(), main.end(),
                            [](const IOPtr& r) { return r->comment() == QStringLiteral("Rent for June"); }));
    EXPECT_EQ(inBills->comment(), QStringLiteral("Rent for June"));
}

TEST(DataFileRoundTrip, KeywordIsSharedByRecordsConditionAndKeywordList) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("food"));
    const KeywordPtr twin = Keyword::create(QStringLiteral("food"));
    root->addKeyword(food);
    root->addKeyword(twin);
    makeRecord(root, QStringLiteral("Bakery"))->addKeyword(food);
    makeRecord(root, QStringLiteral("Market"))->addKeyword(food);
    makeRecord(root, QStringLiteral("Other"))->addKeyword(twin);
    auto condition = KeywordCondition::create();
    condition->setConditionTypeCode(Condition::Includes);
    condition->setObject(food);
    addSmartBook(root, QStringLiteral("Food"), condition);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->keywords().size(), 2u);
    const KeywordPtr& loadedFood = loaded->keywords()[0];
    const KeywordPtr& loadedTwin = loaded->keywords()[1];
    EXPECT_NE(loadedFood, loadedTwin) << "keywords of the same name stay distinct";
    int carrying = 0;
    for (const IOPtr& record : loaded->mainLibrary()->records()) {
        carrying += record->includesKeyword(loadedFood) ? 1 : 0;
    }
    EXPECT_EQ(carrying, 2);
    const ConditionPtr& tree = loaded->smartBooks()[0]->conditions();
    ASSERT_TRUE(tree);
    EXPECT_EQ(std::get<KeywordPtr>(tree->object()), loadedFood);
}

// A keyword gone from the list (deleted while a record was being composed,
// or an old file) still travels with the records that carry it.
TEST(DataFileRoundTrip, KeywordMissingFromTheListStaysOnItsRecords) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr listed = Keyword::create(QStringLiteral("listed"));
    const KeywordPtr stray = Keyword::create(QStringLiteral("stray"));
    root->addKeyword(listed);
    const IOPtr first = makeRecord(root, QStringLiteral("First"));
    first->addKeyword(stray);
    first->addKeyword(listed);
    makeRecord(root, QStringLiteral("Second"))->addKeyword(stray);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->keywords().size(), 1u);
    EXPECT_EQ(loaded->keywords()[0]->name(), QStringLiteral("listed"));
    KeywordPtr loadedStray;
    for (const IOPtr& record : loaded->mainLibrary()->records()) {
        ASSERT_FALSE(record->keywords().empty()) << record->comment().toStdString();
        const KeywordPtr& carried = record->keywords().front();
        EXPECT_EQ(carried->name(), QStringLiteral("stray"));
        if (loadedStray) {
            EXPECT_EQ(carried, loadedStray) << "both records carry the one keyword";
        }
        loadedStray = carried;
    }
    EXPECT_NE(loadedStray, loaded->keywords()[0]);
}

TEST(DataFileRoundTrip, BookConditionsNameTheVeryBooks) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr record = makeRecord(root, QStringLiteral("Train"));
    const BookPtr trip = addPlainBook(root, QStringLiteral("Trip"));
    trip->addObject(record);
    const BookPtr deleted = Book::create(); // named only by a condition
    deleted->setBookName(QStringLiteral("Gone"));

    const auto names = [](const BookPtr& book) {
        auto condition = BookCondition::create();
        condition->setConditionTypeCode(Condition::Is);
        condition->setObject(book);
        return condition;
    };
    auto group = OrConditions::create();
    group->addCondition(names(trip));
    group->addCondition(names(root->mainLibrary()));
    group->addCondition(names(deleted));
    const SmartBookPtr self = addSmartBook(root, QStringLiteral("A self"), group);
    group->addCondition(names(self));
    // Names a smart book that sorts after it, so that book is first met inside this tree.
    const SmartBookPtr later = addSmartBook(root, QStringLiteral("Z later"), names(trip));
    group->addCondition(names(later));

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->smartBooks().size(), 2u);
    const SmartBookPtr& loadedSelf = loaded->smartBooks()[0];
    const auto& children = std::static_pointer_cast<ConditionGroup>(loadedSelf->conditions())->children();
    ASSERT_EQ(children.size(), 5u);
    const auto operand = [&](std::size_t i) {
        return std::get<BookPtr>(children[i]->object());
    };
    EXPECT_EQ(operand(0), loaded->dumbBooks()[0]);
    EXPECT_EQ(operand(1), loaded->mainLibrary());
    EXPECT_EQ(operand(2)->bookName(), QStringLiteral("Gone"));
    EXPECT_EQ(operand(3), loadedSelf);
    EXPECT_EQ(operand(4), loaded->smartBooks()[1]);
    EXPECT_EQ(std::get<BookPtr>(loaded->smartBooks()[1]->conditions()->object()), loaded->dumbBooks()[0]);
}

TEST(DataFileRoundTrip, ADeletedBookKeepsNoDeletedRecordAlive) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr kept = makeRecord(root, QStringLiteral("Kept"));
    const IOPtr deleted = makeRecord(root, QStringLiteral("Deleted"));
    const BookPtr trip = addPlainBook(root, QStringLiteral("Trip"));
    trip->addObjectsFromArray({kept, deleted});
    auto names = BookCondition::create();
    names->setConditionTypeCode(Condition::Is);
    names->setObject(trip);
    addSmartBook(root, QStringLiteral("On the trip"), names);
    // A smart book deleted with the plain one, still holding its last list.
    const SmartBookPtr gone = addSmartBook(root, QStringLiteral("Gone"), nullptr);
    gone->setRecords({kept, deleted});
    auto namesGone = BookCondition::create();
    namesGone->setConditionTypeCode(Condition::IsNot);
    namesGone->setObject(BookPtr(gone));
    addSmartBook(root, QStringLiteral("Not gone"), namesGone);
    root->deleteBook(trip.get());
    root->deleteBook(gone.get());
    root->deleteIO(deleted.get());

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->smartBooks().size(), 2u);
    const BookPtr loadedTrip = std::get<BookPtr>(loaded->smartBooks()[1]->conditions()->object());
    const BookPtr loadedGone = std::get<BookPtr>(loaded->smartBooks()[0]->conditions()->object());
    // The books are still named, so the editor can say which is gone; their records are not kept.
    EXPECT_EQ(loadedTrip->bookName(), QStringLiteral("Trip"));
    EXPECT_EQ(loadedGone->bookName(), QStringLiteral("Gone"));
    EXPECT_EQ(loadedTrip->count(), 0u);
    EXPECT_EQ(loadedGone->count(), 0u);
    ASSERT_EQ(loaded->mainLibrary()->count(), 1u);
    EXPECT_EQ(loaded->mainLibrary()->objectAtIndex(0)->comment(), QStringLiteral("Kept"));
}

TEST(DataFileRoundTrip, LongChainOfSmartBooksNamingEachOther) {
    // Each book is first met inside the tree of the one before it, so the
    // reader goes down the whole chain before it comes back.
    const DataRootPtr root = DataRoot::create();
    const IOPtr record = makeRecord(root, QStringLiteral("Deep"));
    std::vector<SmartBookPtr> chain;
    for (int i = 0; i < 200; ++i) {
        chain.push_back(addSmartBook(root, QStringLiteral("Chain %1").arg(i, 3, 10, QLatin1Char('0')), nullptr));
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        // A record first met here, and one met before.
        chain[i]->setRecords({IO::create(), record});
        auto names = BookCondition::create();
        names->setConditionTypeCode(Condition::Is);
        names->setObject(i + 1 < chain.size() ? BookPtr(chain[i + 1]) : root->mainLibrary());
        auto group = AndConditions::create();
        group->addCondition(names);
        chain[i]->setConditions(group);
    }

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->smartBooks().size(), chain.size());
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        EXPECT_EQ(loaded->smartBooks()[i]->conditions()->getBook(), loaded->smartBooks()[i + 1]);
        EXPECT_EQ(loaded->smartBooks()[i]->objectAtIndex(1), loaded->mainLibrary()->objectAtIndex(0));
    }
}

TEST(DataFileRoundTrip, DayAndTimeOfEntrySurviveAChangeOfZone) {
    const ZoneScope restore;
    TestEnvironment::setTimeZone("Asia/Tokyo");
    const DataRootPtr root = DataRoot::create();
    const IOPtr record = makeRecord(root, QStringLiteral("Dinner"));
    record->setDate(QDate(2024, 3, 15));
    const CalendarDate entered = record->timeOfEntry();
    auto condition = DateCondition::create();
    condition->setConditionTypeCode(Condition::Is);
    condition->setObject(CalendarDate::startOfDay(QDate(2024, 3, 15)));
    addSmartBook(root, QStringLiteral("Day"), condition);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    DataFile file(path);
    ASSERT_TRUE(file.save(*root));
    TestEnvironment::setTimeZone("America/Los_Angeles");
    ASSERT_TRUE(file.load()) << file.errorString().toStdString();

    const IOPtr& read = file.root()->mainLibrary()->objectAtIndex(0);
    EXPECT_EQ(read->date(), QDate(2024, 3, 15));
    EXPECT_EQ(read->dateTime(), QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    EXPECT_EQ(read->timeOfEntry().msecsSinceEpoch(), entered.msecsSinceEpoch());
    EXPECT_EQ(read->timeOfEntry().zoneId(), QByteArray("Asia/Tokyo"));
    const auto& operand = std::get<CalendarDate>(file.root()->smartBooks()[0]->conditions()->object());
    EXPECT_EQ(operand.zoneId(), QByteArray("Asia/Tokyo"));
    EXPECT_EQ(operand.day(), QDate(2024, 3, 15));
}

TEST(DataFileRoundTrip, SortOrderAndUnfilteredBooks) {
    const DataRootPtr root = DataRoot::create();
    makeRecord(root, QStringLiteral("tax return"));
    makeRecord(root, QStringLiteral("Coffee"));
    root->mainLibrary()->setSortDescriptors({{QStringLiteral("date"), true}, {QStringLiteral("amount"), false}});
    const BookPtr byAmount = addPlainBook(root, QStringLiteral("By amount"));
    byAmount->setSortDescriptors({{QStringLiteral("amount"), true}, {QStringLiteral("date"), false}});
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("tax"), {});
    ASSERT_EQ(root->mainLibrary()->filteredCount(), 1u);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    const SortDescriptorList dateRule = {{QStringLiteral("date"), true}, {QStringLiteral("timeOfEntry"), true}};
    EXPECT_EQ(loaded->mainLibrary()->sortDescriptors(), dateRule);
    const SortDescriptorList kept = {{QStringLiteral("amount"), true}, {QStringLiteral("date"), false}};
    EXPECT_EQ(loaded->dumbBooks()[0]->sortDescriptors(), kept);
    EXPECT_FALSE(loaded->mainLibrary()->isFiltered());
    EXPECT_EQ(loaded->mainLibrary()->filteredCount(), 2u);
    EXPECT_EQ(loaded->mainLibrary()->prevSearchKey(), QStringLiteral(""));
}

TEST(DataFileRoundTrip, ValuesComeBackExactly) {
    const DataRootPtr root = DataRoot::create();
    root->setKeshVersion(*Amount::fromString(u"3.75"));
    root->mainLibrary()->setBookName(QStringLiteral("Everything"));
    const QStringList comments = {QStringLiteral(""),
                                  QStringLiteral("Café crème 😀"),
                                  QStringLiteral("e\u0301"), // decomposed: kept as written
                                  QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
                                  QStringLiteral("Coffee"),
                                  QString(QChar(0)) + QStringLiteral("nul"),
                                  QStringLiteral("Cof") + QStringLiteral("fee")};
    const std::vector<Amount> amounts = {*Amount::fromParts(Amount::maxMantissa, Amount::maxExponent),
                                         *Amount::fromParts(-Amount::maxMantissa, Amount::minExponent),
                                         *Amount::fromString(u"-0.01"), Amount()};
    std::vector<IOPtr> made;
    for (int i = 0; i < comments.size(); ++i) {
        const IOPtr record = makeRecord(root, comments[i]);
        record->setAmount(amounts[std::size_t(i) % amounts.size()]);
        record->setIncludeInStats(std::int8_t(i == 0 ? -5 : i % 2));
        made.push_back(record);
    }
    // What the reading constructor leaves alone stays absent.
    const IOPtr bare = IO::createWithTimeOfEntry(CalendarDate::now());
    root->mainLibrary()->appendObject(bare);
    made.push_back(bare);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->keshVersion(), *Amount::fromString(u"3.75"));
    EXPECT_EQ(loaded->mainLibrary()->bookName(), QStringLiteral("Everything"));
    const IOList& read = loaded->mainLibrary()->records();
    ASSERT_EQ(read.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(i);
        // The stored order is the order read; nothing is re-sorted.
        EXPECT_EQ(read[i]->timeOfEntry(), root->mainLibrary()->records()[i]->timeOfEntry());
        const IOPtr& original = root->mainLibrary()->records()[i];
        EXPECT_EQ(read[i]->comment(), original->comment());
        EXPECT_EQ(read[i]->comment().isNull(), original->comment().isNull());
        EXPECT_EQ(read[i]->amount(), original->amount());
        EXPECT_EQ(read[i]->date(), original->date());
        EXPECT_EQ(read[i]->includeInStats(), original->includeInStats());
    }
    EXPECT_FALSE(read.back()->amount().has_value());
    EXPECT_FALSE(read.back()->date().isValid());
    // Equal comments share one string after reading (two "Coffee" were made apart).
    std::vector<QString> coffees;
    for (const IOPtr& record : read) {
        if (record->comment() == QStringLiteral("Coffee")) {
            coffees.push_back(record->comment());
        }
    }
    ASSERT_EQ(coffees.size(), 2u);
    EXPECT_TRUE(coffees[0].isSharedWith(coffees[1]));

    // Saved again, the version is still the one read.
    const DataRootPtr again = roundTrip(*loaded);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->keshVersion(), *Amount::fromString(u"3.75"));
}

TEST(DataFileRoundTrip, NoFileGivesAFreshLibrary) {
    QTemporaryDir dir;
    DataFile file(dir.filePath(QStringLiteral("Kesh Data")));
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.status(), DataFile::Status::NoFile);
    EXPECT_EQ(file.root()->keshVersion(), Amount::fromInt(2));
    EXPECT_EQ(file.root()->mainLibrary()->count(), 0u);
    EXPECT_TRUE(file.root()->dumbBooks().empty());
    EXPECT_TRUE(file.root()->keywords().empty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Kesh Data"))));
}

// Every kind of condition, with its code, operands and period.
struct ConditionCase {
    const char* name;
    std::function<ConditionPtr(const DataRootPtr&)> make;
};

ConditionPtr leaf(ConditionPtr condition, std::int32_t code, ConditionOperand object, ConditionOperand object2 = {}) {
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(object));
    condition->setObject2(std::move(object2));
    return condition;
}

const ConditionCase conditionCases[] = {
    {"AmountBetween",
     [](const DataRootPtr&) {
         return leaf(AmountCondition::create(), Condition::Between, dec("10"), dec("20.5"));
     }},
    {"AmountNotBetweenCents",
     [](const DataRootPtr&) {
         return leaf(AmountCondition::create(), Condition::NotBetween, dec("-0.01"), dec("1234567.89"));
     }},
    {"DateBetween",
     [](const DataRootPtr&) {
         return leaf(DateCondition::create(), Condition::Between, CalendarDate::startOfDay(QDate(2020, 1, 1)),
                     CalendarDate::startOfDay(QDate(2020, 12, 31)));
     }},
    {"DateWithinLastWeeks",
     [](const DataRootPtr&) {
         auto condition = DateCondition::create();
         condition->setPeriodID(DateCondition::Weeks);
         return leaf(condition, Condition::WithinLast, dec("3"));
     }},
    {"CommentStartsWith",
     [](const DataRootPtr&) {
         return leaf(CommentCondition::create(), Condition::StartsWith, QStringLiteral("ab"));
     }},
    {"KeywordIncludes",
     [](const DataRootPtr& root) {
         return leaf(KeywordCondition::create(), Condition::Includes, root->keywords()[0]);
     }},
    {"BookIsNot",
     [](const DataRootPtr& root) {
         return leaf(BookCondition::create(), Condition::IsNot, root->dumbBooks()[0]);
     }},
    {"PlainWithExtremeCode",
     [](const DataRootPtr&) {
         return leaf(Condition::create(), std::numeric_limits<std::int32_t>::min(), {});
     }},
    {"EmptyOr",
     [](const DataRootPtr&) {
         return OrConditions::create();
     }},
    {"NestedGroups",
     [](const DataRootPtr& root) {
         auto inner = OrConditions::create();
         inner->addCondition(leaf(CommentCondition::create(), Condition::EndsWith, QStringLiteral("x")));
         inner->addCondition(leaf(KeywordCondition::create(), Condition::Is, root->keywords()[0]));
         auto outer = AndConditions::create();
         outer->addCondition(inner);
         outer->addCondition(leaf(AmountCondition::create(), Condition::GreaterThan, dec("0.25")));
         return outer;
     }},
};

class DataFileConditionTest : public ::testing::TestWithParam<ConditionCase> {};

// Compares operands, keywords and books by their place in the library.
void expectSameOperand(const ConditionOperand& original, const ConditionOperand& read, const DataRoot& from,
                       const DataRoot& to) {
    ASSERT_EQ(original.index(), read.index());
    if (const auto* keyword = std::get_if<KeywordPtr>(&original)) {
        const auto position = std::find(from.keywords().begin(), from.keywords().end(), *keyword);
        EXPECT_EQ(std::get<KeywordPtr>(read), to.keywords()[std::size_t(position - from.keywords().begin())]);
    } else if (const auto* book = std::get_if<BookPtr>(&original)) {
        EXPECT_EQ(std::get<BookPtr>(read), to.bookAtIndex(from.indexOfBook(book->get())));
    } else {
        EXPECT_EQ(original, read);
    }
}

void expectSameTree(const Condition& original, const Condition& read, const DataRoot& from, const DataRoot& to) {
    EXPECT_EQ(original.className(), read.className());
    EXPECT_EQ(original.conditionTypeCode(), read.conditionTypeCode());
    expectSameOperand(original.object(), read.object(), from, to);
    expectSameOperand(original.object2(), read.object2(), from, to);
    if (const auto* date = dynamic_cast<const DateCondition*>(&original)) {
        EXPECT_EQ(date->periodID(), dynamic_cast<const DateCondition&>(read).periodID());
    }
    if (const auto* group = dynamic_cast<const ConditionGroup*>(&original)) {
        const auto& readChildren = dynamic_cast<const ConditionGroup&>(read).children();
        ASSERT_EQ(group->children().size(), readChildren.size());
        for (std::size_t i = 0; i < readChildren.size(); ++i) {
            expectSameTree(*group->children()[i], *readChildren[i], from, to);
        }
    }
}

TEST_P(DataFileConditionTest, SurvivesWriteAndRead) {
    const DataRootPtr root = DataRoot::create();
    root->addKeyword(Keyword::create(QStringLiteral("car")));
    addPlainBook(root, QStringLiteral("Trip"));
    const ConditionPtr tree = GetParam().make(root);
    addSmartBook(root, QStringLiteral("Smart"), tree);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(loaded->smartBooks()[0]->conditions());
    expectSameTree(*tree, *loaded->smartBooks()[0]->conditions(), *root, *loaded);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DataFileConditionTest, ::testing::ValuesIn(conditionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileRoundTrip, SharedConditionStaysShared) {
    const DataRootPtr root = DataRoot::create();
    const ConditionPtr shared = leaf(CommentCondition::create(), Condition::Includes, QStringLiteral("tax"));
    auto group = AndConditions::create();
    group->addCondition(shared);
    group->addCondition(shared);
    addSmartBook(root, QStringLiteral("Tax"), group);
    addSmartBook(root, QStringLiteral("Tax too"), shared);

    const DataRootPtr loaded = roundTrip(*root);
    ASSERT_TRUE(loaded);
    const auto& children = std::static_pointer_cast<ConditionGroup>(loaded->smartBooks()[0]->conditions())->children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0], children[1]);
    EXPECT_EQ(loaded->smartBooks()[1]->conditions(), children[0]);
}

} // namespace
