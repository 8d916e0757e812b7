#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "SampleRecords.h"

#include "WhenModal.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
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

// A statement big enough that reading and checking it takes a while.
QByteArray bigStatement(int rows) {
    QByteArray bytes = "Datum;Betrag;Verwendungszweck\r\n";
    for (int row = 0; row < rows; ++row) {
        bytes += QByteArray::number(row % 28 + 1) + ".03.2026;-" + QByteArray::number(row % 500 + 1) + ",50;Kauf " +
                 QByteArray::number(row) + "\r\n";
    }
    return bytes;
}

TEST_F(CsvDialog, showsTheFirstRowsAtOnceAndImportWaitsForEveryRowToBeChecked) {
    root->mainLibrary()->addObject(sampleRecord("-1.5", QDate(2026, 3, 1), u"Kauf 0"_s));
    open(bigStatement(50'000));
    // Before the event loop ran: the first rows are there, the plan is not.
    EXPECT_EQ(find<QTableView>("fileTableView")->model()->rowCount(), 200);
    EXPECT_EQ(find<QTableView>("recordTableView")->model()->rowCount(), 0);
    EXPECT_TRUE(dialog->isPlanning());
    EXPECT_TRUE(find<QProgressBar>("planProgressBar")->isVisible());

    QTest::mouseClick(find<QPushButton>("importButton"), Qt::LeftButton);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(find<QPushButton>("importButton")->isEnabled());
    EXPECT_TRUE(find<QLabel>("summaryLabel")->text().contains(u"imported once every row"_s));

    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->result() == QDialog::Accepted; }, 10'000))
        << "the import did not follow the plan";
    ASSERT_TRUE(dialog->plan());
    EXPECT_EQ(dialog->plan()->rowCount(), 50'000u);
    EXPECT_EQ(dialog->plan()->duplicateCount(), 1u);
    EXPECT_EQ(dialog->plan()->importedCount(), 49'999u);
    EXPECT_FALSE(find<QProgressBar>("planProgressBar")->isVisible());
}

TEST_F(CsvDialog, cancelWhileEveryRowIsCheckedStopsTheWorkAndLeavesNoPlan) {
    open(bigStatement(50'000));
    ASSERT_TRUE(dialog->isPlanning());
    QTest::mouseClick(find<QPushButton>("cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isPlanning());
    // What the worker still sends is dropped.
    QTest::qWait(50);
    EXPECT_EQ(dialog->plan(), nullptr);
    EXPECT_EQ(root->mainLibrary()->count(), 0u);
}

TEST_F(CsvDialog, aFaultPastTheFirstRowsIsToldOnceEveryRowIsRead) {
    QByteArray bytes = bigStatement(20'000);
    bytes += "31.03.2026;-1,00;\"never closed\r\n";
    open(bytes);
    EXPECT_EQ(find<QTableView>("fileTableView")->model()->rowCount(), 200);
    EXPECT_EQ(problems(), QStringList{u"Line 20002: the quote that opens field 3 is never closed."_s});
    EXPECT_FALSE(canImport());
    // The rows read so far stay in view.
    EXPECT_EQ(find<QTableView>("fileTableView")->model()->rowCount(), 200);
}

// A kept mapping for the German statements of one bank.
CsvSavedMapping sparkasse() {
    CsvSavedMapping saved;
    saved.name = u"Sparkasse"_s;
    saved.shape = {u';', 3, {u"Datum"_s, u"Betrag"_s, u"Verwendungszweck"_s}};
    saved.mapping.hasHeader = true;
    saved.mapping.dateColumn = 0;
    saved.mapping.dateFormat = u"d.M.yyyy"_s;
    saved.mapping.amountColumn = 1;
    saved.mapping.decimalMark = CsvAmountReader::DecimalMark::Comma;
    // The purpose goes unread: the user keeps comments short.
    saved.mapping.commentColumn = CsvRecordMapping::noColumn;
    saved.mapping.keywordsToAdd = {u"Giro"_s};
    return saved;
}

TEST_F(CsvDialog, aKeptMappingIsAppliedToTheNextFileOfItsShapeAndSaysSo) {
    CsvMappingStore().remember(sparkasse());
    open(bigStatement(3));
    EXPECT_EQ(find<QLabel>("mappingLabel")->text(), u"Using your mapping “Sparkasse”."_s);
    EXPECT_EQ(find<QLineEdit>("mappingNameField")->text(), u"Sparkasse"_s);
    EXPECT_EQ(find<QComboBox>("commentColumnComboBox")->currentData().toInt(), CsvRecordMapping::noColumn);
    EXPECT_EQ(find<QLineEdit>("keywordsToAddField")->text(), u"Giro"_s);
    EXPECT_EQ(dialog->mapping(), sparkasse().mapping);
    EXPECT_EQ(records()->index(0, 4).data().toString(), QString());
    EXPECT_EQ(records()->index(0, 5).data().toString(), u"Giro"_s);

    // What the user changes is what is kept on import, under the name in the field.
    find<QLineEdit>("keywordsToAddField")->setText(u"Giro; Bank"_s);
    emit find<QLineEdit>("keywordsToAddField")->editingFinished();
    find<QLineEdit>("mappingNameField")->setText(u"Sparkasse Giro"_s);
    EXPECT_EQ(records()->index(0, 5).data().toString(), u"Giro, Bank"_s);
    const CsvSavedMapping kept = dialog->mappingToRemember();
    EXPECT_EQ(kept.name, u"Sparkasse Giro"_s);
    EXPECT_EQ(kept.shape, sparkasse().shape);
    EXPECT_EQ(kept.mapping.keywordsToAdd, (QStringList{u"Giro"_s, u"Bank"_s}));

    // Another shape: one more column, or the same names apart by commas.
    for (const QByteArray& other : {"Datum;Betrag;Verwendungszweck;Saldo\r\n1.3.2026;-1,50;x;9\r\n"_ba,
                                    "Datum,Betrag,Verwendungszweck\r\n1.3.2026,\"-1,50\",x\r\n"_ba}) {
        open(other);
        EXPECT_EQ(find<QLabel>("mappingLabel")->text(),
                  u"No mapping of yours fits this file: the settings are guessed."_s);
        EXPECT_EQ(find<QLineEdit>("mappingNameField")->text(), u"statement"_s);
        EXPECT_EQ(find<QComboBox>("commentColumnComboBox")->currentData().toInt(), 2);
    }
}

TEST_F(CsvDialog, keptMappingsAreRenamedAndDeletedInTheirList) {
    CsvMappingStore store;
    CsvSavedMapping other = sparkasse();
    other.name = u"Other bank"_s;
    other.shape.columnCount = 4;
    other.shape.headerNames.append(u"Saldo"_s);
    store.remember(other);
    store.remember(sparkasse());
    open(bigStatement(3));

    const auto editMappings = [&](const std::function<void(QListWidget*)>& edit) {
        whenModal<QDialog>([edit](QDialog* mappings) {
            edit(mappings->findChild<QListWidget*>(u"mappingList"_s));
            mappings->reject();
        });
        QTest::mouseClick(find<QPushButton>("mappingsButton"), Qt::LeftButton);
    };
    editMappings([](QListWidget* list) {
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), u"Sparkasse"_s);
        list->item(0)->setText(u"Sparkasse Köln"_s);
        // No name is no rename.
        list->item(1)->setText(u"  "_s);
        EXPECT_EQ(list->item(1)->text(), u"Other bank"_s);
        list->setCurrentRow(1);
        list->window()->findChild<QPushButton*>(u"deleteMappingButton"_s)->click();
        EXPECT_EQ(list->count(), 1);
    });
    EXPECT_EQ(find<QLabel>("mappingLabel")->text(), u"Using your mapping “Sparkasse Köln”."_s);
    EXPECT_EQ(find<QLineEdit>("mappingNameField")->text(), u"Sparkasse Köln"_s);
    ASSERT_EQ(store.mappings().size(), 1u);
    EXPECT_EQ(store.mappings()[0].name, u"Sparkasse Köln"_s);

    // The mapping in use deleted, with the Delete key: the settings stay, and are kept anew on import.
    editMappings([](QListWidget* list) {
        list->setCurrentRow(0);
        list->window()->activateWindow();
        list->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(list->window())) << "the list of mappings did not come to the front";
        QTest::keyClick(list, Qt::Key_Delete);
        EXPECT_EQ(list->count(), 0);
    });
    EXPECT_EQ(find<QLabel>("mappingLabel")->text(), u"No mapping of yours fits this file: the settings are guessed."_s);
    EXPECT_EQ(find<QLineEdit>("mappingNameField")->text(), u"statement"_s);
    EXPECT_TRUE(store.mappings().empty());
    EXPECT_EQ(dialog->mapping(), sparkasse().mapping);
}

} // namespace
