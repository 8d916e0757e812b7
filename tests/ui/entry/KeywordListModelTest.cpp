#include "KeywordListModel.h"
#include "DocumentFixture.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

// The checklist over the fixture's library: Food on lunch and coffee, Car on
// coffee and fuel.
class KeywordChecklist : public Document {
public:
    KeywordChecklist() { model.setRecords({lunch, coffee}); }

    QVariant box(int row) const {
        return model.data(model.index(row, KeywordListModel::IncludedColumn), Qt::CheckStateRole);
    }
    bool tick(int row, bool carried) {
        return model.setData(model.index(row, KeywordListModel::IncludedColumn), carried ? Qt::Checked : Qt::Unchecked,
                             Qt::CheckStateRole);
    }
    QStringList names() const {
        QStringList list;
        for (int row = 0; row < model.rowCount(); ++row) {
            list << model.data(model.index(row, KeywordListModel::NameColumn)).toString();
        }
        return list;
    }

    KeywordListModel model{document.get()};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(KeywordChecklist, aBoxIsTickedOnlyWhenEveryRecordCarriesTheKeywordAndShowsNothingWithoutRecords) {
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Food"), QStringLiteral("Car")}));
    EXPECT_EQ(box(0), Qt::Checked);
    EXPECT_EQ(box(1), Qt::Unchecked);
    model.setRecords({fuel});
    EXPECT_EQ(box(0), Qt::Unchecked);
    EXPECT_EQ(box(1), Qt::Checked);
    model.setRecords({});
    EXPECT_FALSE(box(0).isValid());
}

// Records of the library change through the document, as one step; a record
// still being composed is changed directly and leaves nothing to undo.
TEST_F(KeywordChecklist, tickingReachesEveryRecordAndOnlyTheLibrarysOnesAreUndone) {
    const IOPtr composed = IO::create();
    model.setRecords({lunch, fuel, composed});
    EXPECT_EQ(box(1), Qt::Unchecked);
    EXPECT_TRUE(tick(1, true));
    EXPECT_EQ(box(1), Qt::Checked);
    EXPECT_EQ(lunch->keywordsAsString(), QStringLiteral("Food, Car"));
    EXPECT_TRUE(composed->includesKeyword(car));
    EXPECT_EQ(document->undoStack()->count(), 1);

    document->undoStack()->undo();
    EXPECT_FALSE(lunch->includesKeyword(car));
    EXPECT_TRUE(fuel->includesKeyword(car));
    EXPECT_TRUE(composed->includesKeyword(car));
    EXPECT_EQ(box(1), Qt::Unchecked);

    // Clearing takes the keyword from the records that had it.
    EXPECT_TRUE(tick(0, false));
    EXPECT_FALSE(lunch->includesKeyword(food));
    EXPECT_EQ(coffee->keywordsAsString(), QStringLiteral("Car, Food"));
}

TEST_F(KeywordChecklist, aNameMustBeNonEmptyAndNoOtherKeywordsAndARenameIsUndoable) {
    const QModelIndex food = model.index(0, KeywordListModel::NameColumn);
    EXPECT_EQ(model.nameError(0, QString()), 2);
    EXPECT_EQ(model.nameError(0, QStringLiteral("Car")), 3);
    EXPECT_EQ(model.nameError(0, QStringLiteral("Food")), 0);
    EXPECT_FALSE(model.setData(food, QString()));
    EXPECT_FALSE(model.setData(food, QStringLiteral("Car")));
    EXPECT_EQ(document->undoStack()->count(), 0);
    EXPECT_TRUE(model.setData(food, QStringLiteral("Meals")));
    EXPECT_EQ(names().first(), QStringLiteral("Meals"));
    document->undoStack()->undo();
    EXPECT_EQ(names().first(), QStringLiteral("Food"));
}

// The rows follow the library's keywords: a new one where the list has it,
// a deleted one gone and back in its place on undo, another library read anew.
TEST_F(KeywordChecklist, theRowsFollowTheKeywordsAddedDeletedAndReplaced) {
    document->addKeyword();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Food"), QStringLiteral("Car"), QStringLiteral("Untitled")}));
    document->deleteKeywords({food});
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Car"), QStringLiteral("Untitled")}));
    EXPECT_EQ(box(0), Qt::Unchecked);
    document->undoStack()->undo();
    EXPECT_EQ(names().first(), QStringLiteral("Food"));
    EXPECT_EQ(box(0), Qt::Checked);

    const DataRootPtr other = DataRoot::create();
    other->setKeywords({Keyword::create(QStringLiteral("Rent"))});
    document->replaceLibrary(*other, QStringLiteral("Restore"));
    EXPECT_EQ(names(), QStringList{QStringLiteral("Rent")});
    document->undoStack()->undo();
    EXPECT_EQ(names().size(), 3);
}

} // namespace
