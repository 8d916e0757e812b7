#include "DocumentFixture.h"

#include <QUndoStack>

namespace {

// A library read from its file, where records with the same keywords and
// comment share them, changed through its document.
class SharedRecordParts : public ::testing::Test {
protected:
    SharedRecordParts() {
        DataRootPtr written = DataRoot::create();
        const KeywordPtr writtenFood = Keyword::create(QStringLiteral("Food"));
        const KeywordPtr writtenCar = Keyword::create(QStringLiteral("Car"));
        written->setKeywords({writtenFood, writtenCar});
        for (int day = 1; day <= 4; ++day) {
            IOPtr made = record("-12.50", day, "Lunch");
            made->setKeywords({writtenCar, writtenFood});
            written->mainLibrary()->addObject(made);
        }
        QTemporaryDir folder;
        DataFile file(folder.filePath(QStringLiteral("Kesh Data")));
        EXPECT_TRUE(file.save(*written)) << file.errorString().toStdString();
        EXPECT_TRUE(file.load()) << file.errorString().toStdString();
        root = file.root();
        food = root->keywords()[0];
        car = root->keywords()[1];
        records = root->mainLibrary()->records();
        document = std::make_unique<LibraryDocument>(root);
    }

    // Each record's keywords and comment, in the library's order.
    QStringList contents() const {
        QStringList lines;
        for (const IOPtr& each : records) {
            lines << each->comment() + u' ' + each->keywordsAsString();
        }
        return lines;
    }

    DataRootPtr root;
    KeywordPtr food;
    KeywordPtr car;
    IOList records;
    std::unique_ptr<LibraryDocument> document;
};

TEST_F(SharedRecordParts, editsOfOneRecordAreUndoneWithoutTouchingTheRecordsItSharedWith) {
    ASSERT_EQ(records.size(), 4u);
    // The first record brings the keywords themselves; the others share a list.
    ASSERT_TRUE(records[1]->keywordSet().sharesListWith(records[3]->keywordSet()));
    const QStringList before = contents();
    document->setKeyword(food, {records[1]}, false);
    document->setComment(records[2], QStringLiteral("Dinner"));
    document->setKeyword(car, {records[2]}, false);
    EXPECT_EQ(contents(), QStringList({QStringLiteral("Lunch Car, Food"), QStringLiteral("Lunch Car"),
                                       QStringLiteral("Dinner Food"), QStringLiteral("Lunch Car, Food")}));
    document->undoStack()->undo();
    document->undoStack()->undo();
    document->undoStack()->undo();
    EXPECT_EQ(contents(), before);
    document->undoStack()->redo();
    EXPECT_EQ(records[3]->keywordsAsString(), QStringLiteral("Car, Food"));
    EXPECT_EQ(records[1]->keywordsAsString(), QStringLiteral("Car"));
}

TEST_F(SharedRecordParts, aKeywordDeletedFromSharedListsComesBackWhereEachRecordHadIt) {
    const QStringList before = contents();
    document->deleteKeywords({car});
    for (const IOPtr& each : records) {
        EXPECT_EQ(each->keywords(), KeywordList{food});
        EXPECT_FALSE(each->includesKeyword(car));
    }
    document->undoStack()->undo();
    EXPECT_EQ(contents(), before);
    for (const IOPtr& each : records) {
        EXPECT_EQ(each->keywordMask(), IO::keywordMaskOf({car, food}));
    }
}

TEST_F(SharedRecordParts, deletedRecordsComeBackAsTheSameObjectsWithAllTheyHeld) {
    const IO* address = records[1].get();
    const QStringList before = contents();
    ASSERT_TRUE(document->deleteRecords(root->mainLibrary(), {records[1], records[2]}));
    EXPECT_EQ(root->mainLibrary()->count(), 2u);
    document->undoStack()->undo();
    EXPECT_EQ(root->mainLibrary()->records(), records);
    EXPECT_EQ(root->mainLibrary()->records()[1].get(), address);
    EXPECT_EQ(contents(), before);
}

TEST_F(SharedRecordParts, recordsOfAReplacedLibraryLiveOnInTheUndoStackAlone) {
    std::weak_ptr<IO> watched = records[0];
    const QStringList before = contents();
    {
        DataRoot other;
        other.mainLibrary()->addObject(record("5", 9, "Other"));
        document->replaceLibrary(other, QStringLiteral("Restore"));
    }
    EXPECT_EQ(root->mainLibrary()->count(), 1u);
    // The undo step is all that holds them now.
    const std::vector<std::weak_ptr<IO>> held(records.begin(), records.end());
    records.clear();
    ASSERT_FALSE(watched.expired());
    document->undoStack()->undo();
    for (const std::weak_ptr<IO>& each : held) {
        records.push_back(each.lock());
    }
    EXPECT_EQ(root->mainLibrary()->records(), records);
    EXPECT_EQ(contents(), before);
    // Let go of the undo stack: the records go with it once nothing else holds them.
    records.clear();
    document->undoStack()->redo();
    document->undoStack()->clear();
    EXPECT_TRUE(watched.expired());
}

} // namespace
