#include "DataRoot.h"
#include "LocalizedText.h"
#include "SmartBook.h"

#include <gtest/gtest.h>

namespace {

template <typename T> std::shared_ptr<T> named(const char* name) {
    auto book = std::make_shared<T>();
    book->setBookName(QString::fromUtf8(name));
    return book;
}

TEST(DataRoot, aFreshLibraryIsNamedByTheInstalledTexts) {
    LocalizedText::setProvider(
        [](const QString& key) { return key == u"MainLibrary" ? QStringLiteral("Library") : QString(); });
    const DataRootPtr root = DataRoot::create();
    EXPECT_EQ(root->keshVersion(), Amount::fromInt(2));
    EXPECT_EQ(root->mainLibrary()->bookName(), QStringLiteral("Library"));
    EXPECT_TRUE(root->dumbBooks().empty());
    EXPECT_TRUE(root->smartBooks().empty());
    EXPECT_TRUE(root->keywords().empty());
    EXPECT_EQ(root->bookAtIndex(0), root->mainLibrary());
    EXPECT_EQ(root->indexOfBook(root->mainLibrary().get()), 0u);

    LocalizedText::setProvider([](const QString&) { return QString(); });
    EXPECT_EQ(DataRoot::create()->mainLibrary()->bookName(), QStringLiteral("plist Error"));
    LocalizedText::setProvider({});
    EXPECT_EQ(DataRoot::create()->mainLibrary()->bookName(), QStringLiteral("plist Error"));
}

TEST(DataRoot, booksShareOneIndexSpaceSmartBooksFirst) {
    const DataRootPtr root = DataRoot::create();
    const auto food = named<SmartBook>("Food");
    const auto car = named<SmartBook>("Car");
    const auto trip = named<Book>("Trip");
    const auto bills = named<Book>("Bills");
    root->addSmartBook(food);
    root->addSmartBook(car);
    root->addDumbBook(trip);
    root->addDumbBook(bills);
    const std::vector<BookPtr> expected = {root->mainLibrary(), car, food, bills, trip};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(root->bookAtIndex(i), expected[i]) << i;
        EXPECT_EQ(root->indexOfBook(expected[i].get()), i) << i;
    }
    EXPECT_EQ(root->bookCount(), 5u);
    EXPECT_EQ(root->indexOfBook(Book::create().get()), 2147483647u);
    EXPECT_EQ(root->bookAtIndex(5), nullptr);

    trip->setBookName(QStringLiteral("Anniversary"));
    root->sortLists();
    EXPECT_EQ(root->indexOfBook(trip.get()), 3u);
}

TEST(DataRoot, deletingABookKeepsItsRecordsAndTheMainLibraryStays) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr record = IO::create();
    root->mainLibrary()->addObject(record);
    const auto plain = named<Book>("Plain");
    plain->addObject(record);
    const auto smart = named<SmartBook>("Smart");
    root->addDumbBook(plain);
    root->addSmartBook(smart);

    root->deleteBook(root->mainLibrary().get());
    EXPECT_EQ(root->bookCount(), 3u);
    root->deleteBook(plain.get());
    root->deleteBook(smart.get());
    EXPECT_EQ(root->bookCount(), 1u);
    EXPECT_TRUE(root->mainLibrary()->includesObject(record));
}

TEST(DataRoot, aDeletedRecordLeavesEveryBook) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr gone = IO::create();
    const IOPtr kept = IO::create();
    const auto plain = named<Book>("Plain");
    const auto smart = named<SmartBook>("Smart");
    root->addDumbBook(plain);
    root->addSmartBook(smart);
    for (const BookPtr& book : {root->mainLibrary(), BookPtr(plain), BookPtr(smart)}) {
        book->addObjectsFromArray({gone, kept});
    }
    root->deleteIO(gone.get());
    for (std::size_t i = 0; i < root->bookCount(); ++i) {
        EXPECT_FALSE(root->bookAtIndex(i)->includesObject(gone)) << i;
        EXPECT_TRUE(root->bookAtIndex(i)->includesObject(kept)) << i;
    }
    root->deleteIOs({kept.get()});
    for (std::size_t i = 0; i < root->bookCount(); ++i) {
        EXPECT_EQ(root->bookAtIndex(i)->count(), 0u) << i;
    }
}

TEST(DataRoot, keywordNamesAreComparedExactlyAndUniquenessIsTheCallersConcern) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr car = Keyword::create(QStringLiteral("Car"));
    root->addKeyword(food);
    root->addKeyword(car);
    EXPECT_FALSE(root->keywordWithNameExistsOtherThan(QStringLiteral("Food"), food.get()));
    EXPECT_TRUE(root->keywordWithNameExistsOtherThan(QStringLiteral("Food"), car.get()));
    EXPECT_FALSE(root->keywordWithNameExistsOtherThan(QStringLiteral("food"), car.get()));
    root->addKeyword(Keyword::create(QStringLiteral("Food")));
    EXPECT_EQ(root->keywords().size(), 3u);
    EXPECT_TRUE(root->keywordWithNameExistsOtherThan(QStringLiteral("Food"), food.get()));
}

} // namespace
