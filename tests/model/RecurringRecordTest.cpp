#include "RecurringRecord.h"
#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray fileOf(const DataRoot& root) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    EXPECT_TRUE(writer.write(root, &buffer)) << writer.errorString().toStdString();
    return bytes;
}

DataRootPtr read(const QByteArray& bytes, QString* error = nullptr) {
    DataFileReader reader;
    const bool ok = reader.read(QByteArrayView(bytes));
    if (error) {
        *error = reader.errorString();
    }
    return ok ? reader.root() : nullptr;
}

QByteArray asFormat(QByteArray bytes, quint32 version) {
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, version);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    return bytes;
}

RecurringRecordPtr rent(QDate start) {
    RecurringRecordPtr rent = RecurringRecord::create();
    rent->setComment(QStringLiteral("Rent"));
    rent->setAmount(Amount::fromInt(-900));
    RecurrenceRule rule;
    rule.setUnit(RecurrenceRule::Unit::Months);
    rule.setMonthDay(RecurrenceRule::lastDayOfMonth);
    rule.setStart(start);
    rent->setRule(rule);
    return rent;
}

} // namespace

TEST(RecurringRecord, DueDaysAreThoseAfterTheLastEnteredUpToToday) {
    const RecurringRecordPtr record = rent(QDate(2027, 1, 1));
    EXPECT_EQ(record->nextDue(), QDate(2027, 1, 31));
    EXPECT_TRUE(record->dueDays(QDate(2027, 1, 30)).isEmpty());
    // Closed over two month ends: both fall due.
    EXPECT_EQ(record->dueDays(QDate(2027, 3, 1)), (QList<QDate>{QDate(2027, 1, 31), QDate(2027, 2, 28)}));

    record->setLastEntered(QDate(2027, 3, 1));
    EXPECT_TRUE(record->dueDays(QDate(2027, 3, 1)).isEmpty());
    // A clock set back finds nothing due again.
    EXPECT_TRUE(record->dueDays(QDate(2027, 2, 10)).isEmpty());
    EXPECT_EQ(record->nextDue(), QDate(2027, 3, 31));

    const IOPtr made = record->makeRecord(QDate(2027, 3, 31));
    EXPECT_EQ(made->date(), QDate(2027, 3, 31));
    EXPECT_EQ(made->amount(), Amount::fromInt(-900));
    EXPECT_EQ(made->comment(), QStringLiteral("Rent"));
}

TEST(RecurringRecord, ComesBackFromTheDataFileWithItsRuleAndLastEnteredDay) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr home = Keyword::create(QStringLiteral("home"));
    root->addKeyword(home);
    RecurringRecordPtr first = rent(QDate(2027, 1, 1));
    first->setKeywords({home});
    first->setLastEntered(QDate(2027, 2, 28));
    RecurringRecordPtr second = RecurringRecord::create();
    RecurrenceRule rule;
    rule.setUnit(RecurrenceRule::Unit::Weeks);
    rule.setInterval(2);
    rule.setStart(QDate(2027, 1, 4));
    rule.setUntil(QDate(2027, 12, 31));
    rule.setCount(7);
    second->setRule(rule);
    second->setIncludeInStats(0);
    root->setRecurringRecords({first, second});

    const DataRootPtr back = read(fileOf(*root));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->recurringRecords().size(), 2u);
    const RecurringRecord& readFirst = *back->recurringRecords()[0];
    EXPECT_EQ(readFirst.comment(), QStringLiteral("Rent"));
    EXPECT_EQ(readFirst.amount(), Amount::fromInt(-900));
    EXPECT_EQ(readFirst.rule(), first->rule());
    EXPECT_EQ(readFirst.lastEntered(), QDate(2027, 2, 28));
    ASSERT_EQ(readFirst.keywords().size(), 1u);
    // The library's own keyword, not a copy.
    EXPECT_EQ(readFirst.keywords().front(), back->keywords().front());
    const RecurringRecord& readSecond = *back->recurringRecords()[1];
    EXPECT_FALSE(readSecond.amount().has_value());
    EXPECT_EQ(readSecond.rule(), rule);
    EXPECT_FALSE(readSecond.lastEntered().isValid());
    EXPECT_EQ(readSecond.includeInStats(), 0);
}

TEST(RecurringRecord, OlderFormatsReadWithoutRecurringRecords) {
    const DataRootPtr plain = DataRoot::create();
    const DataRootPtr back = read(asFormat(fileOf(*plain), 2));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->recurringRecords().empty());

    // A format-2 file cannot hold them: what looks like them is refused.
    const DataRootPtr with = DataRoot::create();
    with->setRecurringRecords({rent(QDate(2027, 1, 1))});
    QString error;
    EXPECT_FALSE(read(asFormat(fileOf(*with), 2), &error));
    EXPECT_FALSE(error.isEmpty());
}
