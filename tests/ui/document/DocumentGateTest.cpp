#include "DocumentFixture.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A change that nothing lets wait for the reader (a save on another thread)
// would tear what the save writes: kesh stops instead, in every build.
using DocumentGateDeathTest = Document;

constexpr const char* stopped = "changed the library while a save was reading it";

TEST_F(DocumentGateDeathTest, aChangeMadeWhileTheLibraryIsStillReadStopsKesh) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    document->renameBook(trip, QStringLiteral("Journey"));
    const LibraryDocument::Reading reading(*document);
    EXPECT_DEATH(document->setComment(lunch, QStringLiteral("brunch")), stopped);
    EXPECT_DEATH(document->undoStack()->undo(), stopped);
    EXPECT_DEATH(document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), true}}), stopped);
    EXPECT_DEATH(document->refreshBook(small, QStringLiteral("fuel"), {}), stopped);
}

TEST_F(Document, aReaderThatHasEndedLetsChangesThrough) {
    LibraryDocument::Reading reading(*document);
    EXPECT_TRUE(document->isBeingRead());
    LibraryDocument::Reading moved(std::move(reading));
    reading.end();
    EXPECT_TRUE(document->isBeingRead());
    moved.end();
    moved.end();
    EXPECT_FALSE(document->isBeingRead());
    document->setComment(lunch, QStringLiteral("brunch"));
    EXPECT_EQ(lunch->comment(), QStringLiteral("brunch"));
}

// A save marks the library saved only when it is what the save read: the
// undo stack where it was when the save began, and no change made since.
TEST_F(Document, aSaveMarksTheLibrarySavedOnlyWhenNothingChangedSinceItBegan) {
    document->renameBook(trip, QStringLiteral("Journey"));
    EXPECT_TRUE(document->setSaved(document->saveMark()));
    EXPECT_FALSE(document->isModified());

    LibraryDocument::SaveMark mark = document->saveMark();
    document->renameBook(trip, QStringLiteral("Voyage"));
    EXPECT_FALSE(document->setSaved(mark));
    EXPECT_TRUE(document->isModified());

    // Undone back to where the save began, and changed again: another library.
    mark = document->saveMark();
    document->undoStack()->undo();
    document->setComment(lunch, QStringLiteral("brunch"));
    document->undoStack()->undo();
    document->undoStack()->redo();
    document->undoStack()->undo();
    EXPECT_EQ(document->undoStack()->index(), mark.index - 1);
    document->undoStack()->redo();
    EXPECT_EQ(document->undoStack()->index(), mark.index);
    EXPECT_FALSE(document->setSaved(mark));

    mark = document->saveMark();
    document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), true}});
    EXPECT_FALSE(document->setSaved(mark));
    EXPECT_TRUE(document->isModified());
    EXPECT_TRUE(document->setSaved(document->saveMark()));
    EXPECT_FALSE(document->isModified());
}

// A change waits for the save at aboutToTouch(), and the save is taken in
// there: the change itself stays unsaved, and undoing it is back to saved.
TEST_F(Document, aSaveTakenInWhileAChangeWaitsLeavesThatChangeUnsaved) {
    LibraryDocument::SaveMark mark;
    bool saving = false;
    QObject::connect(document.get(), &LibraryDocument::aboutToTouch, document.get(), [&] {
        if (std::exchange(saving, false)) {
            EXPECT_TRUE(document->setSaved(mark));
        }
    });
    const auto saveBegins = [&] {
        mark = document->saveMark();
        saving = true;
    };

    saveBegins();
    document->renameBook(trip, QStringLiteral("Journey"));
    EXPECT_TRUE(document->isModified());
    document->undoStack()->undo();
    EXPECT_FALSE(document->isModified());

    document->undoStack()->redo();
    saveBegins();
    document->undoStack()->undo();
    EXPECT_TRUE(document->isModified());
    document->undoStack()->redo();
    EXPECT_FALSE(document->isModified());

    saveBegins();
    document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), true}});
    EXPECT_TRUE(document->isModified());
}

} // namespace
