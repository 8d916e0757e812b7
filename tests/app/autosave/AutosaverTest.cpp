#include "Autosaver.h"
#include "DocumentFixture.h"

#include "AmountCondition.h"
#include "OrConditions.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace {

// Saves run on the worker while the library is edited, undone, sorted and
// searched on this thread. Every change must wait for the save reading the
// library: one that did not would stop kesh here (and the thread sanitizer
// build would see the race).
class AutosaveWhileEditing : public Document {
public:
    AutosaveWhileEditing()
        : path(folder.filePath(QStringLiteral("Kesh Data")))
        , autosaver(document.get(), [this](QString* error) {
            DataFile file(path);
            const bool saved = file.save(*root);
            if (!saved) {
                *error = file.errorString();
            }
            ++saves;
            return saved;
        }) {}

    // `step` made while a save of what the library held just before runs.
    void whileSaving(const std::function<void()>& step) {
        autosaver.startSave();
        step();
    }

    QTemporaryDir folder;
    QString path;
    std::atomic<int> saves{0};
    Autosaver autosaver;
};

ConditionPtr above(int amount) {
    auto leaf = AmountCondition::create();
    leaf->setConditionTypeCode(Condition::GreaterThan);
    leaf->setObject(Amount::fromInt(amount));
    auto either = OrConditions::create();
    either->setChildren({leaf});
    return either;
}

TEST_F(AutosaveWhileEditing, everyChangeWaitsForTheSaveAndTheLastSaveHoldsTheLibraryAsItIs) {
    const BookPtr main = root->mainLibrary();
    const SortDescriptorList byAmount{SortDescriptor{QStringLiteral("amount"), true}};
    const SortDescriptorList byDate{SortDescriptor{QStringLiteral("date"), false}};
    for (int round = 0; round < 40; ++round) {
        const QString n = QString::number(round);
        whileSaving([&] { document->setComment(lunch, QStringLiteral("lunch ") + n); });
        whileSaving([&] { document->refreshBook(main, QStringLiteral("lun"), {}); });
        whileSaving([&] { document->setAmount(fuel, Amount::fromInt(-round)); });
        whileSaving([&] { document->undoStack()->undo(); });
        whileSaving([&] { document->sortBook(trip, round % 2 ? byAmount : byDate); });
        whileSaving([&] { document->refreshBook(main, QString(), {food}); });
        whileSaving([&] { document->undoStack()->redo(); });
        whileSaving([&] { document->setConditions(small, above(round)); });
        whileSaving([&] { document->refreshBook(small, QString(), {}); });
        whileSaving([&] { document->renameBook(trip, QStringLiteral("Trip ") + n); });
        whileSaving([&] { document->undoStack()->undo(); });
        EXPECT_FALSE(document->isBeingRead());
    }
    document->refreshBook(main, QString(), {});
    autosaver.waitForSave();
    EXPECT_GT(saves.load(), 40);
    ASSERT_TRUE(autosaver.saveNow());
    EXPECT_FALSE(document->isModified());

    DataFile onDisk(path);
    ASSERT_TRUE(onDisk.load()) << onDisk.errorString().toStdString();
    EXPECT_EQ(picture(*onDisk.root()), picture(*root));
}

// A save records where the undo stack stood when it began: a change made
// while it ran (the change waits, then the save is taken in) stays unsaved,
// and undoing that change is back to what the file holds.
TEST_F(AutosaveWhileEditing, aChangeMadeWhileASaveRunsStaysUnsavedAndUndoingItIsSavedAgain) {
    document->renameBook(trip, QStringLiteral("Journey"));
    QSignalSpy saved(&autosaver, &Autosaver::saved);
    whileSaving([&] { document->setComment(lunch, QStringLiteral("brunch")); });
    EXPECT_FALSE(autosaver.isSaving());
    EXPECT_TRUE(document->isModified());
    document->undoStack()->undo();
    EXPECT_FALSE(document->isModified());

    // The same with a new order, which the undo stack does not know of.
    document->setComment(coffee, QStringLiteral("espresso"));
    whileSaving([&] { document->sortBook(trip, {SortDescriptor{QStringLiteral("amount"), true}}); });
    EXPECT_TRUE(document->isModified());
    EXPECT_TRUE(autosaver.saveNow());
    EXPECT_FALSE(document->isModified());
    DataFile onDisk(path);
    ASSERT_TRUE(onDisk.load());
    EXPECT_EQ(picture(*onDisk.root()), picture(*root));
    EXPECT_TRUE(saved.wait(5000)) << "no save was told";
}

} // namespace
