// Statements laid out as banks and card issuers write them, each imported
// through the real dialog as a user would, with the changes its notes list.
#include "CsvImport.h"
#include "CsvImportDialog.h"
#include "LibraryDocument.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

QString statementsFolder() {
    return QStringLiteral(KESH_TEST_DATA_DIR "/statements");
}

std::vector<std::string> statementNames() {
    std::vector<std::string> names;
    for (const QString& file : QDir(statementsFolder()).entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        names.push_back(file.chopped(4).toStdString());
    }
    return names;
}

// What the notes beside a statement say its import gives, and what the user
// changes in the dialog to get it.
struct Expected {
    QString locale;
    qint64 records = -1;
    QString sum;
    QString incomings;
    QDate first;
    QDate last;
    int leftOut = 0;
    // The comment of the first record of the file.
    QString comment;
    // "objectName = value": a combo box's item text, a spin box's number or
    // the format of a reading of the days.
    QList<std::pair<QString, QString>> changes;
};

Expected readNotes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    Expected expected;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (line.startsWith(u'#') || colon < 0) {
            continue;
        }
        const QString key = line.first(colon).trimmed();
        const QString value = line.sliced(colon + 1).trimmed();
        if (key == u"locale") {
            expected.locale = value;
        } else if (key == u"records") {
            expected.records = value.toLongLong();
        } else if (key == u"sum") {
            expected.sum = value;
        } else if (key == u"incomings") {
            expected.incomings = value;
        } else if (key == u"first") {
            expected.first = QDate::fromString(value, Qt::ISODate);
        } else if (key == u"last") {
            expected.last = QDate::fromString(value, Qt::ISODate);
        } else if (key == u"comment") {
            expected.comment = value;
        } else if (key == u"left out") {
            expected.leftOut = value.toInt();
        } else if (key == u"change" && value != u"none") {
            const qsizetype equals = value.indexOf(u'=');
            expected.changes.append({value.first(equals).trimmed(), value.sliced(equals + 1).trimmed()});
        }
    }
    return expected;
}

// Makes one change as the user would: picks the item, types the line, clicks the reading.
void change(CsvImportDialog* dialog, const QString& name, const QString& value) {
    if (auto* box = dialog->findChild<QComboBox*>(name)) {
        const int index = box->findText(value);
        ASSERT_GE(index, 0) << name.toStdString() << " has no item " << value.toStdString();
        box->setCurrentIndex(index);
    } else if (auto* spin = dialog->findChild<QSpinBox*>(name)) {
        spin->setValue(value.toInt());
    } else {
        for (QRadioButton* button : dialog->findChildren<QRadioButton*>(name)) {
            if (button->property("format").toString() == value) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        FAIL() << "no control " << name.toStdString() << " for " << value.toStdString();
    }
}

// Every row read and checked in the background.
void waitForPlan(const CsvImportDialog& dialog) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isPlanning(); }, 20'000)) << "the plan of every row was not ready";
}

QString twoDecimals(double value) {
    return QString::number(std::round(value * 100) / 100, 'f', 2);
}

class Statement : public ::testing::TestWithParam<std::string> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(Statement, importsExactlyWithTheListedChanges) {
    const QString base = statementsFolder() + u'/' + QString::fromStdString(GetParam());
    const Expected expected = readNotes(base + QStringLiteral(".txt"));
    ASSERT_FALSE(expected.locale.isEmpty());
    QLocale::setDefault(QLocale(expected.locale));

    LibraryDocument document(DataRoot::create());
    QString summary;
    bool importable = false;
    int leftOut = -1;
    whenModal<CsvImportDialog>([&](CsvImportDialog* dialog) {
        for (const auto& [name, value] : expected.changes) {
            change(dialog, name, value);
        }
        waitForPlan(*dialog);
        summary = dialog->findChild<QLabel*>(QStringLiteral("summaryLabel"))->text();
        auto* importButton = dialog->findChild<QPushButton*>(QStringLiteral("importButton"));
        importable = importButton->isEnabled();
        leftOut = dialog->plan() ? int(dialog->plan()->problems().size()) : -1;
        if (importable) {
            QTest::mouseClick(importButton, Qt::LeftButton);
        } else {
            dialog->reject();
        }
    });
    CsvImport(&document, nullptr).runWithFile(base + QStringLiteral(".csv"));
    ASSERT_TRUE(importable) << summary.toStdString();
    EXPECT_EQ(leftOut, expected.leftOut) << summary.toStdString();

    const IOList& records = document.root()->mainLibrary()->records();
    EXPECT_EQ(qint64(records.size()), expected.records) << summary.toStdString();
    EXPECT_TRUE(std::any_of(records.begin(), records.end(), [&](const IOPtr& record) {
        return record->comment() == expected.comment;
    })) << expected.comment.toStdString();
    double sum = 0;
    double incomings = 0;
    QDate first;
    QDate last;
    for (const IOPtr& record : records) {
        const double amount = record->amount()->toDouble();
        sum += amount;
        incomings += amount > 0 ? amount : 0;
        first = first.isValid() ? std::min(first, record->date()) : record->date();
        last = last.isValid() ? std::max(last, record->date()) : record->date();
    }
    EXPECT_EQ(twoDecimals(sum), expected.sum) << summary.toStdString();
    EXPECT_EQ(twoDecimals(incomings), expected.incomings) << summary.toStdString();
    EXPECT_EQ(first, expected.first);
    EXPECT_EQ(last, expected.last);
    // One step takes them all out again.
    EXPECT_EQ(document.undoStack()->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Statement, ::testing::ValuesIn(statementNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// Years of an account's history in one download: the comment is the
// column of descriptions, not the one of DEBIT and CREDIT before it, and
// every row reads.
TEST(BigStatement, aHundredThousandRowsAreGuessedFromAllOfThem) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QByteArray bytes = "Details,Posting Date,Description,Amount,Type,Balance,Check or Slip #\r\n";
    const QDate last(2026, 12, 31);
    constexpr int rows = 100'000;
    for (int row = 0; row < rows; ++row) {
        const QDate day = last.addDays(-row / 30);
        const bool credit = row % 30 == 0;
        bytes += (credit ? "CREDIT," : "DEBIT,") + day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",\"SHOP " +
                 QByteArray::number(row % 977) + "\"," + (credit ? "2500.00" : "-12.34") + ",ACH,100.00,,\r\n";
    }
    const DataRootPtr root = DataRoot::create();
    CsvImportDialog dialog(bytes, QStringLiteral("download.csv"), root);
    EXPECT_EQ(dialog.mapping().commentColumn, 2);
    EXPECT_EQ(dialog.mapping().dateFormat, QStringLiteral("M/d/yyyy"));
    waitForPlan(dialog);
    ASSERT_TRUE(dialog.plan());
    EXPECT_EQ(dialog.plan()->importedCount(), std::size_t(rows));
    EXPECT_TRUE(dialog.plan()->problems().empty());
    QLocale::setDefault(QLocale::c());
}

} // namespace
