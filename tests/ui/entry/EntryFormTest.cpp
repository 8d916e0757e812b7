#include "EntryForm.h"
#include "AlertAnswers.h"
#include "DateField.h"
#include "DocumentFixture.h"
#include "KeywordListModel.h"
#include "KeywordViewController.h"
#include "TextSuggestion.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct UsLocale {
    UsLocale() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    ~UsLocale() { QLocale::setDefault(QLocale::c()); }
};

// The form on its own, over the fixture's library.
class EntryFormTest : public Document, private UsLocale {
public:
    void compose(const char* amount, const char* comment, bool counted = true) {
        form.amountField()->setText(QString::fromLatin1(amount));
        form.commentField()->setText(QString::fromUtf8(comment));
        form.inclButton()->setChecked(counted);
    }
    void tick(const KeywordPtr& keyword) {
        KeywordListModel* model = form.keywordView()->model();
        model->setData(model->index(model->rowOf(keyword.get()), KeywordListModel::IncludedColumn), Qt::Checked,
                       Qt::CheckStateRole);
    }

    TextSuggestion suggestion;
    EntryForm form{document.get(), &suggestion};
};

// What was composed goes into the main library as one step, keywords and
// all, the comment is offered from then on, and the form starts afresh.
TEST_F(EntryFormTest, anEnteredRecordJoinsTheMainLibraryAsOneStepAndTheFormStartsAfresh) {
    const std::size_t before = root->mainLibrary()->records().size();
    const IOPtr composed = form.currentIO();
    form.dateField()->setDate(QDate(2024, 3, 9));
    compose("-4.20", "bus", false);
    tick(car);
    EXPECT_TRUE(composed->includesKeyword(car));
    EXPECT_EQ(document->undoStack()->count(), 0);

    ASSERT_TRUE(form.enter());
    EXPECT_EQ(root->mainLibrary()->records().size(), before + 1);
    EXPECT_EQ(document->undoStack()->count(), 1);
    EXPECT_EQ(composed->comment(), QStringLiteral("bus"));
    EXPECT_EQ(composed->amount(), Amount::fromString(QStringLiteral("-4.20")));
    EXPECT_EQ(composed->date(), QDate(2024, 3, 9));
    EXPECT_EQ(composed->includeInStats(), 0);
    EXPECT_EQ(composed->keywordsAsString(), QStringLiteral("Car"));
    EXPECT_FALSE(trip->includesObject(composed));
    EXPECT_EQ(suggestion.search(QStringLiteral("b")), QStringLiteral("bus"));

    EXPECT_NE(form.currentIO(), composed);
    EXPECT_TRUE(form.currentIO()->keywords().empty());
    EXPECT_TRUE(form.commentField()->text().isEmpty());
    EXPECT_TRUE(form.inclButton()->isChecked());
    EXPECT_EQ(form.amountField()->selectedText(), form.amountField()->text());

    document->undoStack()->undo();
    EXPECT_EQ(root->mainLibrary()->records().size(), before);
    EXPECT_EQ(savedAndRead(*root), picture(*root));
}

TEST_F(EntryFormTest, anAmountOfZeroNoneOrNoNumberIsRefusedSayingWhyAndTheFormStays) {
    const std::size_t before = root->mainLibrary()->records().size();
    const IOPtr composed = form.currentIO();
    for (const char* amount : {"0", "0.00", "", "twelve"}) {
        const AlertAnswers user({QStringLiteral("OK")});
        compose(amount, "kept");
        EXPECT_FALSE(form.enter()) << amount;
        ASSERT_EQ(user.alerts().size(), 1) << amount;
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("amountRefusedAlert"));
        EXPECT_FALSE(user.alerts().first().informativeText.isEmpty());
        EXPECT_EQ(form.commentField()->text(), QStringLiteral("kept"));
        EXPECT_EQ(form.currentIO(), composed);
    }
    EXPECT_EQ(root->mainLibrary()->records().size(), before);
    EXPECT_EQ(document->undoStack()->count(), 0);
}

// A keyword deleted while a record is composed does not come back with it.
TEST_F(EntryFormTest, aKeywordDeletedWhileComposingLeavesTheComposedRecord) {
    tick(food);
    tick(car);
    document->deleteKeywords({food});
    EXPECT_EQ(form.currentIO()->keywordsAsString(), QStringLiteral("Car"));
    compose("12", "cinema");
    ASSERT_TRUE(form.enter());
    document->undoStack()->undo();
    document->undoStack()->undo();
    EXPECT_EQ(savedAndRead(*root), picture(*root));
    EXPECT_EQ(root->keywords().size(), 2u);
}

} // namespace
