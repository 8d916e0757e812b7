#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "SampleRecords.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString statement = u"年月日,お取引内容,お引出し,お預入れ\r\n"
                          "2026/3/1,コンビニ,\"1,280\",\r\n"
                          "2026/3/2,ｶﾞｿﾘﾝ,\"4,500\",\r\n"
                          "2026/3/25,給与,,\"250,000\"\r\n"_s;

class CsvDialog : public ::testing::Test, private UsLocale {
protected:
    void SetUp() override {
        CsvMappingStore store;
        for (const CsvSavedMapping& kept : store.mappings()) {
            store.forget(kept.shape);
        }
    }
    void open(const QByteArray& bytes) {
        dialog = std::make_unique<CsvImportDialog>(bytes, u"statement.csv"_s, root);
        for (const char* name : {"fileTableView", "recordTableView"}) {
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                find<QTableView>(name)->model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
        }
        dialog->show();
    }
    // Every row read and checked in the background.
    void planned() const {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isPlanning(); }, 10'000))
            << "the plan of every row was not ready";
    }
    template <typename T> T* find(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    void choose(const char* comboBox, const QVariant& data) const {
        QComboBox* box = find<QComboBox>(comboBox);
        box->setCurrentIndex(box->findData(data));
    }
    QAbstractItemModel* records() const {
        planned();
        return find<QTableView>("recordTableView")->model();
    }
    QStringList problems() const {
        planned();
        QStringList texts;
        const QListWidget* list = find<QListWidget>("problemsList");
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
        return texts;
    }
    bool canImport() const {
        planned();
        return find<QPushButton>("importButton")->isEnabled();
    }
    QString summary() const {
        planned();
        return find<QLabel>("summaryLabel")->text();
    }

    DataRootPtr root = DataRoot::create();
    std::unique_ptr<CsvImportDialog> dialog;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

TEST_F(CsvDialog, showsAStatementAsItWillBeReadAndLeavesOutWhatTheLibraryHas) {
    root->mainLibrary()->addObject(
        IO::create(Amount::fromInt(-1280), QDateTime(QDate(2026, 3, 1), QTime()), {}, u"コンビニ"_s, 1));
    open(QStringEncoder("Shift_JIS").encode(statement));

    EXPECT_EQ(find<QComboBox>("encodingComboBox")->currentData().toInt(), int(CsvEncoding::ShiftJis));
    EXPECT_TRUE(find<QCheckBox>("headerCheckBox")->isChecked());
    EXPECT_EQ(find<QComboBox>("amountStyleComboBox")->currentData().toInt(),
              int(CsvRecordMapping::AmountStyle::DebitAndCredit));
    EXPECT_TRUE(find<QComboBox>("debitColumnComboBox")->isVisible());
    EXPECT_FALSE(find<QComboBox>("amountColumnComboBox")->isVisible());
    EXPECT_EQ(find<QComboBox>("debitColumnComboBox")->currentText(), u"3: お引出し"_s);

    QAbstractItemModel* rows = records();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(1, 2).data().toString(), u"3/2/2026"_s);
    EXPECT_EQ(rows->index(1, 3).data().toString(), u"-4,500"_s);
    EXPECT_EQ(rows->index(2, 3).data().toString(), u"250,000"_s);
    // The row the library holds already is left out until ticked.
    const QModelIndex duplicate = rows->index(0, 1);
    EXPECT_EQ(duplicate.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    EXPECT_TRUE(summary().startsWith(u"2 records to import."_s) && summary().contains(u"already in the library"_s))
        << summary().toStdString();
    EXPECT_TRUE(rows->setData(duplicate, Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(summary().startsWith(u"3 records to import."_s));
    // Rows that are no duplicates have nothing to tick.
    EXPECT_FALSE(rows->setData(rows->index(1, 1), Qt::Unchecked, Qt::CheckStateRole));

    ASSERT_TRUE(canImport());
    QTest::mouseClick(find<QPushButton>("importButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->plan()->importedCount(), 3u);
}

TEST_F(CsvDialog, aWrongEncodingIsToldWithItsLineUntilTheRightOneIsChosen) {
    open(QStringEncoder("Shift_JIS").encode(statement));
    choose("encodingComboBox", int(CsvEncoding::Utf8));
    EXPECT_EQ(problems(),
              QStringList{u"Line 1 is not Unicode (UTF-8) text. Choose the encoding the file was written in."_s});
    EXPECT_EQ(records()->rowCount(), 0);
    EXPECT_FALSE(canImport());

    choose("encodingComboBox", int(CsvEncoding::ShiftJis));
    EXPECT_TRUE(problems().isEmpty());
    EXPECT_EQ(records()->rowCount(), 3);
    EXPECT_TRUE(canImport());
}

TEST_F(CsvDialog, aFileThatIsNotTextIsToldAndShowsOneSetOfAmountColumns) {
    open("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0"_ba);
    EXPECT_EQ(problems(),
              QStringList{u"Line 3 holds a null character: this is not a text file, or not in this encoding."_s});
    EXPECT_FALSE(canImport());
    // One column for amounts is the choice shown, so its label alone is in the grid's cell.
    EXPECT_TRUE(find<QComboBox>("amountColumnComboBox")->isVisible());
    EXPECT_FALSE(find<QComboBox>("debitColumnComboBox")->isVisible());
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() == find<QComboBox>("debitColumnComboBox")) {
            EXPECT_FALSE(label->isVisible());
        }
    }
}

TEST_F(CsvDialog, unreadableRowsAreListedAndNothingCanBeImported) {
    open("date;amount;comment\n01/02/2026;5;ok\n31/02/2026;6;no such day\n03/02/2026;1,234.5.6;odd\n"_ba);
    // Read with the separator of the first line; the day format from the rows.
    EXPECT_EQ(find<QComboBox>("separatorComboBox")->currentData().toChar(), QChar(u';'));
    EXPECT_EQ(find<QComboBox>("dateFormatComboBox")->currentText(), u"d/M/yyyy"_s);
    EXPECT_EQ(problems(), (QStringList{u"Line 3: “31/02/2026” is not a day in the form d/M/yyyy."_s,
                                       u"Line 4: “1,234.5.6” is not an amount."_s}));
    EXPECT_EQ(records()->index(1, 2).data().toString(), u"“31/02/2026” is not a day in the form d/M/yyyy."_s);
    EXPECT_FALSE(canImport());

    // Read as commas, the file has one column, which holds no dates.
    choose("separatorComboBox", QChar(u','));
    EXPECT_EQ(problems(), QStringList{u"Choose the column that holds the dates."_s});
    EXPECT_FALSE(canImport());
}

TEST_F(CsvDialog, theColumnsAndTheHeaderAreTheUsersToChoose) {
    open("2026-01-05,Rent,-900,housing\n2026-01-06,Coffee,-3.5,food; treats\n"_ba);
    EXPECT_FALSE(find<QCheckBox>("headerCheckBox")->isChecked());
    ASSERT_EQ(records()->rowCount(), 2);
    choose("keywordsColumnComboBox", 3);
    EXPECT_EQ(records()->index(1, 5).data().toString(), u"food, treats"_s);
    choose("commentColumnComboBox", -1);
    EXPECT_EQ(records()->index(1, 4).data().toString(), QString());

    // The first row taken as names: the columns are named after it, and it is not imported.
    find<QCheckBox>("headerCheckBox")->click();
    EXPECT_EQ(records()->rowCount(), 1);
    EXPECT_EQ(find<QComboBox>("amountColumnComboBox")->currentText(), u"3: -900"_s);

    choose("amountStyleComboBox", int(CsvRecordMapping::AmountStyle::DebitAndCredit));
    EXPECT_FALSE(find<QComboBox>("amountColumnComboBox")->isVisible());
    EXPECT_EQ(problems(), QStringList{u"Choose the columns that hold the debits and the credits."_s});
    choose("debitColumnComboBox", 2);
    choose("creditColumnComboBox", 3);
    EXPECT_EQ(records()->index(0, 3).data().toString(), QString());
    EXPECT_TRUE(problems().value(0).contains(u"“food; treats” is not an amount."_s))
        << problems().value(0).toStdString();
}

} // namespace
