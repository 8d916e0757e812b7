#include "DocumentFixture.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "CommentCondition.h"
#include "OrConditions.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

namespace {

struct ChangeCase {
    const char* name;
    std::function<void(Document&)> change;
    // A part of the picture after the change.
    const char* shows;
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.name;
}

class EveryChange : public Document, public ::testing::WithParamInterface<ChangeCase> {};

// Do, undo, redo: undoing gives back the very same library, object for
// object; redoing gives the changed one again, and that is what a save keeps.
TEST_P(EveryChange, isUndoneToTheSameObjectsAndRedoneAsSaved) {
    const QString before = picture(*root);
    const QList<const void*> beforeObjects = objects(*root);
    QSignalSpy about(document.get(), &LibraryDocument::aboutToChange);
    QSignalSpy changed(document.get(), &LibraryDocument::changed);

    GetParam().change(*this);
    const QString after = picture(*root);
    ASSERT_NE(after, before);
    EXPECT_TRUE(after.contains(QString::fromUtf8(GetParam().shows))) << after.toStdString();
    EXPECT_EQ(document->undoStack()->count(), 1);
    EXPECT_EQ(about.size(), 1);
    EXPECT_EQ(changed.size(), 1);

    document->undoStack()->undo();
    EXPECT_EQ(picture(*root), before);
    EXPECT_EQ(objects(*root), beforeObjects);
    EXPECT_EQ(changed.size(), 2);

    document->undoStack()->redo();
    EXPECT_EQ(picture(*root), after);
    EXPECT_EQ(savedAndRead(*root), after);
    EXPECT_EQ(about.size(), 3);
    EXPECT_EQ(changed.size(), 3);
}

const ChangeCase changes[] = {
    {"enterRecord", [](Document& d) { d.document->enterRecord(record("-3", 5, "tea")); }, "Library: tea"},
    {"importRecords",
     [](Document& d) {
         d.document->importRecords({record("1", 9, "a"), record("2", 8, "b")});
     },
     "Library: a b lunch"},
    {"deleteFromLibrary",
     [](Document& d) {
         d.document->deleteRecords(d.root->mainLibrary(), {d.lunch, d.fuel});
     },
     "Trip: \n"},
    {"removeFromPlainBook", [](Document& d) { d.document->deleteRecords(d.trip, {d.fuel}); }, "Trip: lunch\n"},
    {"dropOntoPlainBook",
     [](Document& d) {
         d.document->addRecordsToBook(d.trip, {d.coffee, d.fuel});
     },
     "Trip: lunch fuel coffee"},
    {"date", [](Document& d) { d.document->setDate(d.lunch, QDate(2025, 1, 1)); }, "lunch 2025-01-01"},
    {"amount", [](Document& d) { d.document->setAmount(d.lunch, Amount::fromString(QStringLiteral("-0.10"))); },
     "lunch 2024-03-04 -0.1 "},
    {"comment", [](Document& d) { d.document->setComment(d.lunch, QStringLiteral("昼食")); }, "昼食 2024-03-04"},
    {"counted", [](Document& d) { d.document->setIncludeInStats(d.fuel, 0); }, "fuel 2024-03-03 -30.25 0"},
    {"tickKeyword",
     [](Document& d) {
         d.document->setKeyword(d.car, {d.lunch, d.coffee}, true);
     },
     "lunch 2024-03-04 -12.5 1 [Food, Car]"},
    {"clearKeyword",
     [](Document& d) {
         d.document->setKeyword(d.food, {d.lunch, d.coffee}, false);
     },
     "coffee 2024-03-02 -8 1 [Car]"},
    {"newPlainBook", [](Document& d) { d.document->addPlainBook(); }, "Untitled: "},
    {"renameBook", [](Document& d) { d.document->renameBook(d.trip, QStringLiteral("A trip")); }, "A trip: "},
    {"deletePlainBook", [](Document& d) { d.document->deleteBook(d.trip); }, "Small (smart AndConditions0"},
    {"deleteSmartBook", [](Document& d) { d.document->deleteBook(d.small); }, "Trip: "},
    {"newSmartBook",
     [](Document& d) {
         const SmartBookPtr book = SmartBook::create();
         book->setBookName(QStringLiteral("Rent"));
         auto rent = CommentCondition::create();
         rent->setConditionTypeCode(Condition::Includes);
         rent->setObject(QStringLiteral("rent"));
         auto all = AndConditions::create();
         all->setChildren({rent});
         book->setConditions(all);
         d.document->addSmartBook(book);
     },
     "Rent (smart AndConditions0(CommentCondition7 rent)): \nSmall"},
    {"setConditions",
     [](Document& d) {
         auto above = AmountCondition::create();
         above->setConditionTypeCode(Condition::GreaterThan);
         above->setObject(Amount::fromInt(100));
         auto either = OrConditions::create();
         either->setChildren({above});
         d.document->setConditions(d.small, either);
     },
     "Small (smart OrConditions0(AmountCondition3 100)): "},
    {"newKeyword", [](Document& d) { d.document->addKeyword(); }, "keywords: Food Car Untitled"},
    {"renameKeyword", [](Document& d) { d.document->renameKeyword(d.food, QStringLiteral("Meals")); },
     "lunch 2024-03-04 -12.5 1 [Meals]"},
    {"deleteKeywords",
     [](Document& d) {
         d.document->deleteKeywords({d.food, d.car});
     },
     "coffee 2024-03-02 -8 1 []"},
    {"replaceLibrary",
     [](Document& d) {
         const DataRootPtr backup = DataRoot::create();
         backup->mainLibrary()->setBookName(QStringLiteral("Restored"));
         backup->mainLibrary()->addObject(record("7", 6, "from the backup"));
         d.document->replaceLibrary(*backup, QStringLiteral("Restore"));
     },
     "Restored: from the backup\nfrom the backup 2024-03-06 7 1 []\nkeywords: "},
};

INSTANTIATE_TEST_SUITE_P(Document, EveryChange, ::testing::ValuesIn(changes));

// Whatever reads the library on another thread (a save) is let finish at
// aboutToTouch(), before anything of the change happens; a change that did
// not wait would stop the test.
class WhileReading {
public:
    explicit WhileReading(Document& d)
        : m_d(d) {
        QObject::connect(d.document.get(), &LibraryDocument::aboutToTouch, d.document.get(), [this] {
            m_seen << picture(*m_d.root);
            m_reading.reset();
        });
    }
    // The library as each reader left it, once `change` is made while one reads.
    QStringList during(const std::function<void()>& change) {
        m_seen.clear();
        m_reading.emplace(*m_d.document);
        change();
        EXPECT_FALSE(m_d.document->isBeingRead());
        return m_seen;
    }

private:
    Document& m_d;
    std::optional<LibraryDocument::Reading> m_reading;
    QStringList m_seen;
};

TEST_P(EveryChange, waitsForWhateverReadsTheLibraryBeforeChangingAnything) {
    WhileReading reader(*this);
    const QString before = picture(*root);
    const QStringList done = reader.during([this] { GetParam().change(*this); });
    ASSERT_FALSE(done.isEmpty());
    EXPECT_EQ(done.front(), before);
    const QString after = picture(*root);
    const QStringList undone = reader.during([this] { document->undoStack()->undo(); });
    ASSERT_FALSE(undone.isEmpty());
    EXPECT_EQ(undone.front(), after);
    const QStringList redone = reader.during([this] { document->undoStack()->redo(); });
    ASSERT_FALSE(redone.isEmpty());
    EXPECT_EQ(redone.front(), before);
}

TEST_F(Document, sortingAndRefreshingWaitForWhateverReadsTheLibraryToo) {
    WhileReading reader(*this);
    const auto unchangedUntilRead = [&](const std::function<void()>& change) {
        const QString before = picture(*root);
        const QStringList seen = reader.during(change);
        EXPECT_EQ(seen.value(0), before);
        EXPECT_NE(picture(*root), before);
    };
    unchangedUntilRead([this] { document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), true}}); });
    // A tree set outside the document: the refresh finds other records.
    small->setConditions(AndConditions::create());
    unchangedUntilRead([this] { document->refreshBook(small, QStringLiteral("fuel"), {}); });
}

TEST_F(Document, undoingADeletedKeywordPutsItBackWhereEachRecordHadIt) {
    document->deleteKeywords({food});
    EXPECT_EQ(coffee->keywordsAsString(), QStringLiteral("Car"));
    document->undoStack()->undo();
    EXPECT_EQ(coffee->keywordsAsString(), QStringLiteral("Car, Food"));
    EXPECT_EQ(root->keywords().front(), food);
    EXPECT_TRUE(lunch->includesKeyword(food));
}

TEST_F(Document, aDeletedSmartBookComesBackWithItsConditions) {
    const ConditionPtr tree = small->conditions();
    document->deleteBook(small);
    document->undoStack()->undo();
    EXPECT_EQ(small->conditions(), tree);
    EXPECT_EQ(root->indexOfBook(small.get()), 1u);
}

TEST_F(Document, changesThatChangeNothingAreNotUndoSteps) {
    document->deleteRecords(small, {small->records().front()});
    document->addRecordsToBook(trip, {fuel});
    document->addRecordsToBook(root->mainLibrary(), {fuel});
    document->setAmount(lunch, lunch->amount());
    document->setComment(lunch, lunch->comment());
    document->setKeyword(food, {lunch}, true);
    document->renameBook(trip, QString());
    document->renameBook(trip, trip->bookName());
    document->deleteBook(root->mainLibrary());
    EXPECT_EQ(document->undoStack()->count(), 0);
    EXPECT_EQ(root->mainLibrary()->count(), 4u);
}

TEST_F(Document, whatIsAlreadySoMakesNoStepAndIsNotUndoneWithTheRest) {
    const IOPtr stranger = record("1", 9, "not in the library");
    document->deleteRecords(trip, {coffee});
    document->deleteRecords(trip, {});
    document->deleteRecords(root->mainLibrary(), {stranger});
    document->enterRecord(lunch);
    document->importRecords({lunch, fuel});
    document->importRecords({coffee}, {Keyword::create(QStringLiteral("Other"))});
    document->addPlainBook(trip);
    document->addSmartBook(small);
    document->deleteKeywords({Keyword::create(QStringLiteral("Food"))});
    document->renameKeyword(food, food->name());
    // The editor's OK builds a new tree, equal to the old one.
    auto below = AmountCondition::create();
    below->setConditionTypeCode(4);
    below->setObject(Amount());
    auto all = AndConditions::create();
    all->setChildren({below});
    document->setConditions(small, all);
    EXPECT_EQ(document->undoStack()->count(), 0);

    // Part of a change already so: undoing takes back only what it did.
    const QString before = picture(*root);
    document->deleteRecords(trip, {lunch, coffee, lunch});
    EXPECT_EQ(document->undoStack()->undoText(), QStringLiteral("Remove Record from “Trip”"));
    const IOPtr tea = record("-3", 5, "tea");
    document->importRecords({tea, lunch, tea}, {food});
    document->undoStack()->undo();
    document->undoStack()->undo();
    EXPECT_EQ(picture(*root), before);
    EXPECT_EQ(root->keywords().front(), food);
}

TEST_F(Document, booksOfOneNameKeepTheirPlacesThroughDeleteAndUndo) {
    const BookPtr secondTrip = Book::create();
    secondTrip->setBookName(QStringLiteral("Trip"));
    document->addPlainBook(secondTrip);
    const SmartBookPtr secondSmall = SmartBook::create();
    secondSmall->setBookName(QStringLiteral("Small"));
    secondSmall->setConditions(AndConditions::create());
    document->addSmartBook(secondSmall);
    const std::vector<BookPtr> order{root->mainLibrary(), small, secondSmall, trip, secondTrip};
    const auto listed = [this] {
        std::vector<BookPtr> books;
        for (std::size_t i = 0; i < root->bookCount(); ++i) {
            books.push_back(root->bookAtIndex(i));
        }
        return books;
    };
    ASSERT_EQ(listed(), order);

    for (const BookPtr& book : {trip, secondTrip, BookPtr(small), BookPtr(secondSmall)}) {
        document->deleteBook(book);
        document->undoStack()->undo();
        EXPECT_EQ(listed(), order) << book->bookName().toStdString();
        document->undoStack()->redo();
        document->undoStack()->undo();
        EXPECT_EQ(listed(), order) << book->bookName().toStdString();
    }
}

TEST_F(Document, undoNamesTheChange) {
    document->deleteRecords(root->mainLibrary(), {lunch, fuel, coffee});
    EXPECT_EQ(document->undoStack()->undoText(), QStringLiteral("Delete 3 Records"));
    document->deleteRecords(trip, {});
    document->addRecordsToBook(trip, {byComment("salary")});
    EXPECT_EQ(document->undoStack()->undoText(), QStringLiteral("Add Record to “Trip”"));
}

TEST_F(Document, undoAfterASortKeepsTheRecordsButNotTheOldOrder) {
    const BookPtr& main = root->mainLibrary();
    main->resort();
    document->deleteRecords(main, {lunch});
    // Sorting by a header is no change of the library: it is not undone.
    main->setSortDescriptors({SortDescriptor{QStringLiteral("comment"), true}});
    main->resort();
    document->undoStack()->undo();
    EXPECT_EQ(main->count(), 4u);
    EXPECT_FALSE(main->isSortedNow());
    main->resort();
    EXPECT_EQ(main->records().front()->comment(), QStringLiteral("coffee"));
}

TEST_F(Document, anImportWithNewKeywordsIsOneChangeThatUndoesExactly) {
    const QString before = picture(*root);
    const QList<const void*> objectsBefore = objects(*root);
    const KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
    const IOPtr train = record("-120", 5, "train");
    train->setKeywords({travel, food});
    const IOPtr hotel = record("-80", 5, "hotel");
    hotel->setKeywords({travel});
    QSignalSpy changes(document.get(), &LibraryDocument::changed);

    document->importRecords({train, hotel}, {travel});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(document->undoStack()->count(), 1);
    EXPECT_EQ(root->keywords().back(), travel);
    EXPECT_TRUE(root->mainLibrary()->includesObject(train));
    const QString after = picture(*root);

    document->undoStack()->undo();
    EXPECT_EQ(picture(*root), before);
    EXPECT_EQ(objects(*root), objectsBefore);
    EXPECT_EQ(savedAndRead(*root), before);

    document->undoStack()->redo();
    EXPECT_EQ(picture(*root), after);
    EXPECT_TRUE(root->mainLibrary()->includesObject(hotel));
    EXPECT_EQ(savedAndRead(*root), after);
}

TEST_F(Document, anotherSortOrderIsUnsavedWithoutAnUndoStepAndTheSameOrderIsNot) {
    QSignalSpy orders(document.get(), &LibraryDocument::orderChanged);
    EXPECT_FALSE(document->isModified());
    document->sortBook(trip, trip->sortDescriptors());
    EXPECT_FALSE(document->isModified());
    document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), false}});
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(orders.size(), 1);
    EXPECT_EQ(document->undoStack()->count(), 0);
    document->setSaved();
    EXPECT_FALSE(document->isModified());

    document->renameBook(trip, QStringLiteral("Journey"));
    EXPECT_TRUE(document->isModified());
    document->setSaved();
    EXPECT_FALSE(document->isModified());
    document->undoStack()->undo();
    EXPECT_TRUE(document->isModified());
}

struct RemovalCase {
    std::size_t removed;
    std::size_t library;
    bool asks;
};

class LargeRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(LargeRemoval, asksForMoreThanATenthOrMoreThanAThousandButNeverForOne) {
    EXPECT_EQ(LibraryDocument::isLargeRemoval(GetParam().removed, GetParam().library), GetParam().asks)
        << GetParam().removed << " of " << GetParam().library;
}

INSTANTIATE_TEST_SUITE_P(Document, LargeRemoval,
                         ::testing::Values(RemovalCase{1, 1, false}, RemovalCase{1, 5, false},
                                           RemovalCase{2, 20, false}, RemovalCase{3, 20, true}, RemovalCase{2, 2, true},
                                           RemovalCase{1000, 100000, false}, RemovalCase{1001, 100000, true},
                                           RemovalCase{0, 0, false}));

} // namespace
