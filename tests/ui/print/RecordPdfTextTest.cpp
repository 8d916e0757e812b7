// A PDF of a known book read back as text, as a user's PDF reader would:
// every record and the totals must be in it, in the order of the book.
#include "IO.h"
#include "LedgerFormat.h"
#include "RecordPrinter.h"

#include <QDate>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

IOList knownBook(int count) {
    IOList records;
    for (int i = 0; i < count; ++i) {
        const auto amount = Amount::fromParts(i % 5 == 0 ? 250000 + i : -(1000 + 37 * i), -2);
        records.push_back(IO::create(amount, QDateTime(QDate(2026, 1, 1).addDays(i), QTime(0, 0)), KeywordList(),
                                     QStringLiteral("Payee number %1").arg(i, 3, 10, QLatin1Char('0')),
                                     i % 7 == 3 ? 0 : 1));
    }
    return records;
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext did not read " << path.toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(RecordPdf, holdsEveryRecordInOrderAndTheTotalsOfTheCountedOnes) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh installs it)";
    }
    const IOList records = knownBook(180);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.pdf"));
    ASSERT_TRUE(RecordPrinter(RecordPrinter::recordTable(records, QStringLiteral("Household"), {}, 2)).writePdf(path));
    const QString text = pdfText(path);

    const LedgerFormat format;
    qsizetype from = 0;
    double in = 0;
    double out = 0;
    for (const IOPtr& record : records) {
        const qsizetype at = text.indexOf(record->comment(), from);
        ASSERT_GE(at, 0) << record->comment().toStdString() << " is missing or out of order";
        const qsizetype start = text.lastIndexOf(u'\n', at) + 1;
        const QString line = text.mid(start, text.indexOf(u'\n', at) - start);
        EXPECT_TRUE(line.contains(format.formatAmount(record->amount(), 2))) << record->comment().toStdString();
        from = at;
        if (record->includeInStats() != 0) {
            (record->amountAsDouble() > 0 ? in : out) += std::abs(record->amountAsDouble());
        }
    }
    EXPECT_TRUE(text.contains(format.formatSum(in, 2))) << "incomings";
    EXPECT_TRUE(text.contains(format.formatSum(out, 2))) << "outgoings";
    EXPECT_TRUE(text.contains(format.formatSum(in - out, 2))) << "balance";
    EXPECT_TRUE(text.contains(QStringLiteral("180 record"))) << "the count";
}

} // namespace
