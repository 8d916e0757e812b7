#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "CsvPlanModel.h"
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
#include <QRadioButton>
#include <QSpinBox>
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
    QList<QRadioButton*> readings() const {
        return dialog->findChildren<QRadioButton*>(QStringLiteral("dateReadingRadioButton"));
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
    EXPECT_EQ(rows->index(1, 2).data().toString(), u"Mar 2, 2026"_s);
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

TEST_F(CsvDialog, amountsShowTheColumnsDecimalsAsTheRecordTableWill) {
    open("Date,Amount,Comment\n12/14/2026,-36.80,Pet supply\n12/15/2026,-6.66,Pizza\n12/16/2026,1250,Pay\n");
    QAbstractItemModel* rows = records();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(0, 3).data().toString(), u"-36.80"_s);
    EXPECT_EQ(rows->index(2, 3).data().toString(), u"1,250.00"_s);
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

TEST_F(CsvDialog, unreadableRowsAreListedAndLeftOut) {
    open("date;amount;comment\n13/02/2026;5;ok\n31/02/2026;6;no such day\n14/02/2026;1,234.5.6;odd\n"
         "15/02/2026;7;fine\n"_ba);
    // Read with the separator of the first line; the day format from the rows.
    EXPECT_EQ(find<QComboBox>("separatorComboBox")->currentData().toChar(), QChar(u';'));
    EXPECT_EQ(find<QComboBox>("dateFormatComboBox")->currentText(), u"d/M/yyyy"_s);
    EXPECT_EQ(problems(), (QStringList{u"Line 3: “31/02/2026” is not a day in the form d/M/yyyy."_s,
                                       u"Line 4: “1,234.5.6” is not an amount."_s}));
    EXPECT_EQ(records()->index(1, 2).data().toString(), u"“31/02/2026” is not a day in the form d/M/yyyy."_s);
    EXPECT_TRUE(find<QLabel>("summaryLabel")
                    ->text()
                    .startsWith(u"2 records to import, 2 lines left out (line 3: “31/02/2026” is not a day in the "
                                "form d/M/yyyy; line 4: “1,234.5.6” is not an amount). Incomings 12.00, outgoings "
                                "0.00, balance 12.00."_s))
        << find<QLabel>("summaryLabel")->text().toStdString();
    ASSERT_TRUE(canImport());
    QTest::mouseClick(find<QPushButton>("importButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->plan()->makeRecords(*root).records.size(), 2u);
}

TEST_F(CsvDialog, aFileReadWithTheWrongSeparatorAsksForTheColumns) {
    open("date;amount;comment\n13/02/2026;5;ok\n"_ba);
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

TEST_F(CsvDialog, daysThatReadTwoWaysAreShownBothWaysAndTheChoiceIsTheUsers) {
    // A British user opens an American export of December's first twelve days.
    QLocale::setDefault(QLocale(u"en_GB"_s));
    QByteArray bytes;
    for (int day = 1; day <= 12; ++day) {
        bytes += "\"12/" + QByteArray::number(day).rightJustified(2, '0') + "/2026\",\"-1.00\",\"*\",\"\",\"SHOP\"\r\n";
    }
    open(bytes);
    EXPECT_TRUE(find<QWidget>("dateReadingBox")->isVisible());
    EXPECT_EQ(find<QLabel>("dateReadingLabel")->text(),
              u"Every day in the file reads more than one way. Is “12/01/2026”"_s);
    ASSERT_EQ(readings().size(), 2);
    EXPECT_EQ(readings()[0]->text(), u"12 Jan 2026 (d/M/yyyy)"_s);
    EXPECT_EQ(readings()[1]->text(), u"1 Dec 2026 (M/d/yyyy)"_s);
    // The locale's order is taken, and said on the button.
    EXPECT_TRUE(readings()[0]->isChecked());
    EXPECT_EQ(find<QPushButton>("importButton")->text(), u"Import with 12/01/2026 as 12 Jan 2026"_s);
    EXPECT_EQ(records()->index(11, 2).data().toString(), u"12 Dec 2026"_s);

    QTest::mouseClick(readings()[1], Qt::LeftButton);
    EXPECT_EQ(find<QComboBox>("dateFormatComboBox")->currentText(), u"M/d/yyyy"_s);
    EXPECT_EQ(find<QPushButton>("importButton")->text(), u"Import with 12/01/2026 as 1 Dec 2026"_s);
    EXPECT_EQ(records()->index(11, 2).data().toString(), u"12 Dec 2026"_s);
    EXPECT_EQ(records()->index(0, 2).data().toString(), u"1 Dec 2026"_s);
    ASSERT_EQ(readings().size(), 2);
    EXPECT_TRUE(readings()[1]->isChecked());
    EXPECT_FALSE(find<QLabel>("dateOrderLabel")->isVisible());
    // A format of the user's own is neither reading.
    find<QComboBox>("dateFormatComboBox")->setCurrentText(u"M/d/yy"_s);
    EXPECT_FALSE(readings()[0]->isChecked() || readings()[1]->isChecked());
    EXPECT_EQ(find<QPushButton>("importButton")->text(), u"Import"_s);
}

TEST_F(CsvDialog, daysOutOfOrderAsReadAreFlaggedWhenAnotherReadingHasThemInOrder) {
    open("date,amount\n03/01/2026,-1\n04/01/2026,-2\n05/01/2026,-3\n01/02/2026,-4\n"_ba);
    // Month first, as the locale reads: March, April, May, then January.
    EXPECT_EQ(find<QComboBox>("dateFormatComboBox")->currentText(), u"M/d/yyyy"_s);
    EXPECT_TRUE(find<QLabel>("dateOrderLabel")->isVisible());
    EXPECT_EQ(find<QLabel>("dateOrderLabel")->text(),
              u"Read as M/d/yyyy the days are not in order; read as d/M/yyyy they are."_s);
    QTest::mouseClick(readings()[0], Qt::LeftButton);
    EXPECT_FALSE(find<QLabel>("dateOrderLabel")->isVisible());
}

TEST_F(CsvDialog, theStartLineAndTheDateColumnAreLookedAtAfreshWhenChosen) {
    open("Account,Everyday\nDate,Posted,Text,Amount\n2026-12-01,01.12.2026,Shop,-1\n2026-12-13,14.12.2026,Pay,2\n"_ba);
    QSpinBox* start = find<QSpinBox>("startLineSpinBox");
    EXPECT_EQ(start->value(), 2);
    EXPECT_TRUE(find<QCheckBox>("headerCheckBox")->isChecked());
    EXPECT_TRUE(summary().contains(u"What stands above line 2 is not read."_s)) << summary().toStdString();
    ASSERT_EQ(records()->rowCount(), 2);
    find<QLineEdit>("keywordsToAddField")->setText(u"Everyday"_s);
    emit find<QLineEdit>("keywordsToAddField")->editingFinished();

    // Another column of days brings its own format.
    choose("dateColumnComboBox", 1);
    EXPECT_EQ(find<QComboBox>("dateFormatComboBox")->currentText(), u"d.M.yyyy"_s);
    EXPECT_EQ(records()->index(1, 2).data().toString(), u"Dec 14, 2026"_s);

    // From the first line, the title line names two columns, and no row fits them.
    start->setValue(1);
    EXPECT_TRUE(find<QCheckBox>("headerCheckBox")->isChecked());
    EXPECT_EQ(problems().size(), 3);
    EXPECT_EQ(problems().value(0),
              u"Line 2: The row has 4 fields where the table has 2: a text may hold the separator without quotes."_s);
    EXPECT_FALSE(canImport());
    start->setValue(2);
    EXPECT_EQ(find<QComboBox>("amountColumnComboBox")->currentText(), u"4: Amount"_s);
    EXPECT_TRUE(canImport());
    // The keywords added to every record are the user's, whatever the columns.
    EXPECT_EQ(dialog->mapping().keywordsToAdd, QStringList{u"Everyday"_s});
}

TEST_F(CsvDialog, theEncodingShowsALineAsItReadsAndCardSignsFlipTheSums) {
    open(QStringEncoder("windows-1252")
             .encode(u"Date,Description,Amount\n12/01/2026,CAFÉ £ SHOP,4.50\n"
                     "12/02/2026,STORE,25.00\n12/09/2026,PAYMENT - THANK YOU,-100.00\n"_s));
    EXPECT_EQ(find<QLabel>("encodingSampleLabel")->text(), u"12/01/2026,CAFÉ £ SHOP,4.50"_s);
    choose("encodingComboBox", int(CsvEncoding::ShiftJis));
    EXPECT_EQ(find<QLabel>("encodingSampleLabel")->text(), u"12/01/2026,CAFﾉ ｣ SHOP,4.50"_s);
    choose("encodingComboBox", int(CsvEncoding::Windows1252));

    QComboBox* sign = find<QComboBox>("amountSignComboBox");
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->currentData().toInt(), int(CsvRecordMapping::AmountSign::OutgoingsPositive));
    EXPECT_TRUE(summary().contains(u"Incomings 100.00, outgoings -29.50, balance 70.50."_s)) << summary().toStdString();
    choose("amountSignComboBox", int(CsvRecordMapping::AmountSign::OutgoingsNegative));
    EXPECT_TRUE(summary().contains(u"Incomings 29.50, outgoings -100.00, balance -70.50."_s))
        << summary().toStdString();
    choose("amountStyleComboBox", int(CsvRecordMapping::AmountStyle::DebitAndCredit));
    EXPECT_FALSE(sign->isVisible());
}

TEST(CsvPlanModel, showsDaysInAFormNoReaderTakesTwoWays) {
    const QDate day(2026, 12, 1);
    const auto shown = [&](const char16_t* locale) {
        const QLocale l(QString::fromUtf16(locale));
        return l.toString(day, CsvPlanModel::dayFormat(l));
    };
    EXPECT_EQ(shown(u"en_US"), u"Dec 1, 2026"_s);
    EXPECT_EQ(shown(u"en_GB"), u"1 Dec 2026"_s);
    EXPECT_EQ(shown(u"de_DE"), u"1. Dez. 2026"_s);
    EXPECT_EQ(shown(u"fr_FR"), u"1 déc. 2026"_s);
    EXPECT_EQ(shown(u"ja_JP"), u"2026年12月1日"_s);
}

TEST_F(CsvDialog, daysThatReadTwoWaysInTheFirstRowsAreSettledByTheRowsAfterThem) {
    // Day first, in an American locale: only past the rows shown at once does a day pass 12.
    QByteArray bytes = "Date,Amount,Description\r\n";
    for (int row = 0; row < 300; ++row) {
        const int day = row < 240 ? row % 12 + 1 : row % 16 + 13;
        bytes += QByteArray::number(day) + "/" + QByteArray::number(row / 25 + 1) + "/2026,-1.00,Shop\r\n";
    }
    open(bytes);
    EXPECT_EQ(readings().size(), 2);
    planned();
    EXPECT_EQ(dialog->mapping().dateFormat, u"d/M/yyyy"_s);
    EXPECT_FALSE(find<QWidget>("dateReadingBox")->isVisible());
    ASSERT_TRUE(canImport());
    EXPECT_EQ(dialog->plan()->importedCount(), 300u);
    EXPECT_EQ(dialog->plan()->day(239), QDate(2026, 10, 12));
    EXPECT_EQ(find<QPushButton>("importButton")->text(), u"Import"_s);
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

// A card statement below two title lines whose days all read two ways and whose purchases are positive.
QByteArray cardStatement(const QByteArray& account, int month, int days) {
    const QByteArray mm = QByteArray::number(month).rightJustified(2, '0');
    QByteArray bytes = "Card account," + account + "\r\nStatement period,01/" + mm + "/2026 to " +
                       QByteArray::number(days) + "/" + mm + "/2026\r\nDate,Description,Amount\r\n";
    for (int day = 1; day <= days; ++day) {
        bytes += QByteArray::number(day).rightJustified(2, '0') + "/" + mm + "/2026,SHOP " + QByteArray::number(day) +
                 "," + QByteArray::number(day) + ".50\r\n";
    }
    return bytes;
}

TEST_F(CsvDialog, whatTheUserChoseIsKeptSoTheBanksNextStatementNeedsNoChange) {
    // A British card's statement opened in an American locale: the guess cannot know.
    open(cardStatement("****1234", 12, 12));
    EXPECT_EQ(find<QSpinBox>("startLineSpinBox")->value(), 3);
    choose("encodingComboBox", int(CsvEncoding::Windows1252));
    choose("amountSignComboBox", int(CsvRecordMapping::AmountSign::OutgoingsPositive));
    ASSERT_EQ(readings().size(), 2);
    QRadioButton* dayFirst =
        readings()[0]->property("format").toString() == u"d/M/yyyy"_s ? readings()[0] : readings()[1];
    QTest::mouseClick(dayFirst, Qt::LeftButton);
    ASSERT_TRUE(canImport());
    const CsvSavedMapping kept = dialog->mappingToRemember();
    EXPECT_EQ(kept.shape.startRow, 2u);
    CsvMappingStore().remember(kept);

    // November's statement, of another card of the account.
    open(cardStatement("****5678", 11, 10));
    EXPECT_EQ(find<QLabel>("mappingLabel")->text(), u"Using your mapping “statement”."_s);
    EXPECT_EQ(dialog->mapping(), kept.mapping);
    EXPECT_EQ(find<QComboBox>("encodingComboBox")->currentData().toInt(), int(CsvEncoding::Windows1252));
    EXPECT_EQ(find<QSpinBox>("startLineSpinBox")->value(), 3);
    EXPECT_EQ(find<QComboBox>("amountSignComboBox")->currentData().toInt(),
              int(CsvRecordMapping::AmountSign::OutgoingsPositive));
    ASSERT_EQ(readings().size(), 2);
    for (const QRadioButton* reading : readings()) {
        EXPECT_EQ(reading->isChecked(), reading->property("format").toString() == u"d/M/yyyy"_s);
    }
    ASSERT_TRUE(canImport());
    EXPECT_EQ(dialog->plan()->importedCount(), 10u);
    EXPECT_EQ(dialog->plan()->day(0), QDate(2026, 11, 1));
    EXPECT_EQ(dialog->plan()->amount(0).toDouble(), -1.5);
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
