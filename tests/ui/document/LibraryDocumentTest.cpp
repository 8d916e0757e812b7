#include "LibraryDocument.h"
#include "AmountCondition.h"
#include "AndConditions.h"
#include "DataFile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

IOPtr record(const char* amount, int day, const char* comment) {
    return IO::create(Amount::fromString(QString::fromLatin1(amount)), QDateTime(QDate(2024, 3, day), QTime(0, 0)),
                      KeywordList{}, QString::fromUtf8(comment), 1);
}

// The library as text: every book with its records in order, every record
// with its fields and keywords, the keyword list. Two libraries with the
// same picture hold the same data in the same order.
QString picture(const DataRoot& root) {
    QStringList lines;
    for (std::size_t i = 0; i < root.bookCount(); ++i) {
        const BookPtr book = root.bookAtIndex(i);
        QStringList comments;
        for (const IOPtr& r : book->records()) {
            comments << r->comment();
        }
        lines << book->bookName() + (book->isSmart() ? QStringLiteral(" (smart)") : QString()) + QStringLiteral(": ") +
                     comments.join(u' ');
    }
    for (const IOPtr& r : root.mainLibrary()->records()) {
        lines << QStringLiteral("%1 %2 %3 %4 [%5]")
                     .arg(r->comment(), r->date().toString(Qt::ISODate), r->amount()->toString())
                     .arg(r->includeInStats())
                     .arg(r->keywordsAsString());
    }
    QStringList keywords;
    for (const KeywordPtr& k : root.keywords()) {
        keywords << k->name();
    }
    lines << QStringLiteral("keywords: ") + keywords.join(u' ');
    return lines.join(u'\n');
}

// Every object of the library, to tell that undoing brings back the same ones.
QList<const void*> objects(const DataRoot& root) {
    QList<const void*> list;
    for (std::size_t i = 0; i < root.bookCount(); ++i) {
        const BookPtr book = root.bookAtIndex(i);
        list << book.get();
        for (const IOPtr& r : book->records()) {
            list << r.get();
            for (const KeywordPtr& k : r->keywords()) {
                list << k.get();
            }
        }
    }
    for (const KeywordPtr& k : root.keywords()) {
        list << k.get();
    }
    return list;
}

class Document : public ::testing::Test {
public:
    Document() {
        root = DataRoot::create();
        root->mainLibrary()->setBookName(QStringLiteral("Library"));
        food = Keyword::create(QStringLiteral("Food"));
        car = Keyword::create(QStringLiteral("Car"));
        root->setKeywords({food, car});
        const BookPtr& main = root->mainLibrary();
        for (const IOPtr& r : {record("-12.50", 4, "lunch"), record("2000", 1, "salary"), record("-30.25", 3, "fuel"),
                               record("-8", 2, "coffee")}) {
            main->addObject(r);
        }
        lunch = byComment("lunch");
        fuel = byComment("fuel");
        coffee = byComment("coffee");
        lunch->addKeyword(food);
        coffee->addKeyword(car);
        coffee->addKeyword(food);
        fuel->addKeyword(car);
        trip = Book::create();
        trip->setBookName(QStringLiteral("Trip"));
        root->addDumbBook(trip);
        trip->addObjectsFromArray({fuel, lunch});
        small = SmartBook::create();
        small->setBookName(QStringLiteral("Small"));
        auto below = AmountCondition::create();
        below->setConditionTypeCode(4);
        below->setObject(Amount());
        auto all = AndConditions::create();
        all->setChildren({below});
        small->setConditions(all);
        root->addSmartBook(small);
        root->reloadSmartBook(*small);
        document = std::make_unique<LibraryDocument>(root);
    }

    IOPtr byComment(const char* comment) const {
        for (const IOPtr& r : root->mainLibrary()->records()) {
            if (r->comment() == QString::fromUtf8(comment)) {
                return r;
            }
        }
        return nullptr;
    }

    // Reads back what a save of the library writes.
    static QString savedAndRead(const DataRoot& library) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Kesh Data"));
        DataFile written(path);
        EXPECT_TRUE(written.save(library)) << written.errorString().toStdString();
        DataFile read(path);
        const bool ok = read.load();
        EXPECT_TRUE(ok) << read.errorString().toStdString();
        return ok ? picture(*read.root()) : QString();
    }

    DataRootPtr root;
    KeywordPtr food;
    KeywordPtr car;
    IOPtr lunch;
    IOPtr fuel;
    IOPtr coffee;
    BookPtr trip;
    SmartBookPtr small;
    std::unique_ptr<LibraryDocument> document;
};

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
    {"deletePlainBook", [](Document& d) { d.document->deleteBook(d.trip); }, "Small (smart)"},
    {"deleteSmartBook", [](Document& d) { d.document->deleteBook(d.small); }, "Trip: "},
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
