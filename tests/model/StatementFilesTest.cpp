#include "OfxReader.h"
#include "QifReader.h"
#include "QifWriter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Each statement under tests/data/ofx and tests/data/qif is read and printed,
// and the print compared with the file beside it that holds the right result.

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString lineOf(const StatementTransaction& t) {
    return QStringLiteral("%1 %2 %3 | %4")
        .arg(t.day.toString(Qt::ISODate), t.amount.toString(), t.comment,
             t.bankId.isEmpty() ? t.keywords.join(QStringLiteral(", ")) : t.bankId);
}

QString printOfx(const QByteArray& bytes) {
    OfxReader reader;
    if (!reader.read(bytes)) {
        return QStringLiteral("refused: ") + reader.errorString();
    }
    QString print;
    for (const OfxStatement::Account& account : reader.statement().accounts) {
        print +=
            QStringLiteral("account %1 %2 %3\n")
                .arg(account.accountId, account.type.isEmpty() ? QStringLiteral("-") : account.type, account.currency);
        for (const StatementTransaction& t : OfxStatement::transactionsOf(account)) {
            print += lineOf(t) + u'\n';
        }
    }
    return print;
}

QString printQif(const QByteArray& bytes) {
    QifReader reader;
    if (!reader.read(bytes)) {
        return QStringLiteral("refused: ") + reader.errorString();
    }
    const std::vector<QifDateReader::Order> readings = reader.readings();
    QStringList names;
    for (const QifDateReader::Order order : readings) {
        names << (order == QifDateReader::Order::MonthFirst ? QStringLiteral("MonthFirst")
                                                            : QStringLiteral("DayFirst"));
    }
    QString print = QStringLiteral("readings: ") + names.join(u' ') + u'\n';
    const QifDateReader::Order order = readings.empty() ? QifDateReader::Order::MonthFirst : readings.front();
    const bool hasSplits = std::any_of(reader.items().begin(), reader.items().end(),
                                       [](const QifReader::Item& item) { return !item.splits.empty(); });
    for (const QifReader::SplitMode mode : {QifReader::SplitMode::Total, QifReader::SplitMode::PerSplit}) {
        if (mode == QifReader::SplitMode::PerSplit && !hasSplits) {
            break;
        }
        print += mode == QifReader::SplitMode::Total ? QStringLiteral("split: Total\n")
                                                     : QStringLiteral("split: PerSplit\n");
        const QifReader::Transactions read = reader.transactions(order, mode);
        for (const StatementTransaction& t : read.transactions) {
            print += lineOf(t) + u'\n';
        }
        for (const QifReader::Problem& problem : read.problems) {
            print += QStringLiteral("problem %1\n").arg(problem.line);
        }
    }
    return print;
}

void compareFolder(const QString& folder, const QStringList& patterns, QString (*print)(const QByteArray&)) {
    const QDir dir(QStringLiteral(KESH_TEST_DATA_DIR "/") + folder);
    const QFileInfoList files = dir.entryInfoList(patterns, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty()) << dir.path().toStdString();
    for (const QFileInfo& file : files) {
        SCOPED_TRACE(file.fileName().toStdString());
        const QString expected =
            QString::fromUtf8(bytesOf(dir.filePath(file.completeBaseName() + QStringLiteral(".expected"))));
        const QString printed = print(bytesOf(file.filePath()));
        if (expected.startsWith(QStringLiteral("refused: "))) {
            // The reason is told in the user's words; the file names the gist of it.
            EXPECT_TRUE(printed.startsWith(QStringLiteral("refused: ")) &&
                        printed.contains(expected.trimmed().mid(9), Qt::CaseInsensitive))
                << printed.toStdString();
        } else {
            EXPECT_EQ(printed.toStdString(), expected.toStdString());
        }
    }
}

} // namespace

TEST(StatementFiles, OfxAndQfxStatementsReadAsTheirResults) {
    compareFolder(QStringLiteral("ofx"), {QStringLiteral("*.ofx"), QStringLiteral("*.qfx")}, printOfx);
}

TEST(StatementFiles, QifStatementsReadAsTheirResults) {
    compareFolder(QStringLiteral("qif"), {QStringLiteral("*.qif")}, printQif);
}

TEST(QifDates, TheFormsWritersUse) {
    using Order = QifDateReader::Order;
    const struct {
        const char* text;
        Order order;
        QDate day;
    } cases[] = {
        {"12/31'26", Order::MonthFirst, QDate(2026, 12, 31)},
        {"1/ 2'26", Order::MonthFirst, QDate(2026, 1, 2)},
        {" 1/ 2' 6", Order::DayFirst, QDate(2006, 2, 1)},
        {"12/31/2026", Order::MonthFirst, QDate(2026, 12, 31)},
        {"31.12.2026", Order::DayFirst, QDate(2026, 12, 31)},
        {"2026-12-31", Order::DayFirst, QDate(2026, 12, 31)},
        {"12/31/99", Order::MonthFirst, QDate(1999, 12, 31)},
        {"12/31/26", Order::MonthFirst, QDate(2026, 12, 31)},
        {"31.12.2026", Order::MonthFirst, QDate()},
        {"2/30/2026", Order::MonthFirst, QDate()},
        {"12//31/2026", Order::MonthFirst, QDate()},
        {"12/31", Order::MonthFirst, QDate()},
        {"1 2/3/2026", Order::MonthFirst, QDate()},
        {"12/31/2026/1", Order::MonthFirst, QDate()},
        {"", Order::MonthFirst, QDate()},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_EQ(QifDateReader::read(QString::fromUtf8(c.text), c.order, &error), c.day) << c.text;
        EXPECT_EQ(error.isEmpty(), c.day.isValid()) << c.text;
    }
}

TEST(QifDates, AFileOfDaysUpToTwelveKeepsBothReadings) {
    const auto readings = QifDateReader::readings({QStringLiteral("3/4/2026"), QStringLiteral("12/1'26")});
    EXPECT_EQ(readings.size(), 2u);
    EXPECT_TRUE(QifDateReader::readings({QStringLiteral("13/13/2026")}).empty());
}

TEST(QifFiles, WhatIsNoQifIsRefusedAndUnreadableItemsAreListed) {
    QifReader reader;
    EXPECT_FALSE(reader.read(QByteArrayView()));
    EXPECT_FALSE(reader.read("Date,Amount\n2026-01-01,3\n"));
    EXPECT_TRUE(reader.errorString().contains(QStringLiteral("Line 1")));

    ASSERT_TRUE(reader.read("!Type:Bank\nD1/1/2026\nTabc\n^\nD1/2/2026\nPNo amount\n^\nD1/3/2026\nT5\n"));
    ASSERT_EQ(reader.problems().size(), 2u);
    EXPECT_EQ(reader.problems()[0].line, 2);
    EXPECT_EQ(reader.problems()[1].line, 5);
    // The last item lacks its ^ and counts all the same.
    ASSERT_EQ(reader.items().size(), 1u);
    EXPECT_EQ(reader.items()[0].amount, Amount::fromInt(5));

    // Items that lack their ^ are not run into one.
    ASSERT_TRUE(reader.read("!Type:Cash\nD1/1/2026\nT-1\nD1/2/2026\nT-2\n"));
    EXPECT_EQ(reader.items().size(), 2u);

    // Split lines that do not add up are not made records of their own.
    ASSERT_TRUE(reader.read("!Type:Bank\nD1/1/2026\nT-10\nSA\n$-4\nSB\n$-5\n^\n"));
    const auto read = reader.transactions(QifDateReader::Order::MonthFirst, QifReader::SplitMode::PerSplit);
    EXPECT_TRUE(read.transactions.empty());
    ASSERT_EQ(read.problems.size(), 1u);
}

TEST(QifFiles, RecordsComeBackFromTheirQifAsTheyWere) {
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    const KeywordPtr trip = Keyword::create(QStringLiteral("Trip: Rome"));
    const IOList records = {
        IO::create(Amount::fromString(u"-12.345"), QDateTime(QDate(2026, 1, 2), QTime()), KeywordList{food, trip},
                   QStringLiteral("Café “Roma” ^ D"), 1),
        IO::create(Amount::fromInt(1500), QDateTime(QDate(1999, 12, 31), QTime()), KeywordList{},
                   QStringLiteral("Salary"), 1),
        IO::create(Amount::fromString(u"0.5"), QDateTime(QDate(2026, 11, 20), QTime()), KeywordList{}, QString(), 1),
    };
    QifReader reader;
    ASSERT_TRUE(reader.read(QifWriter::toBytes(records)));
    const auto read = reader.transactions(QifDateReader::Order::MonthFirst, QifReader::SplitMode::Total);
    ASSERT_TRUE(read.problems.empty());
    ASSERT_EQ(read.transactions.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StatementTransaction& t = read.transactions[i];
        EXPECT_EQ(t.day, records[i]->date());
        EXPECT_EQ(t.amount, *records[i]->amount());
        EXPECT_EQ(t.comment, records[i]->comment());
        QStringList names;
        for (const KeywordPtr& keyword : records[i]->keywords()) {
            names << keyword->name();
        }
        EXPECT_EQ(t.keywords, names);
    }
    EXPECT_EQ(QifWriter::amountText(*Amount::fromString(u"-3")), QStringLiteral("-3.00"));
}

TEST(OfxFiles, AnythingButAStatementIsRefusedWithAReason) {
    const struct {
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {QByteArray(), "neither"},
        {"%PDF-1.4", "neither"},
        {"<OFX><SIGNONMSGSRSV1></SIGNONMSGSRSV1></OFX>", "no bank or credit card statement"},
        {"<OFX><INVSTMTMSGSRSV1><INVSTMTTRNRS><INVSTMTRS></INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1></OFX>",
         "investment"},
        {"<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST><STMTTRN><DTPOSTED>20260101<TRNAMT>1.2.3"
         "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>",
         "not an amount"},
        {"<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>",
         "closes nothing"},
        {"OFXHEADER:100 DATA:OFXSGML VERSION:102 ENCODING:USASCII CHARSET:KLINGON <OFX></OFX>", "KLINGON"},
        {"<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>", "cut off"},
        {"<OFX>" + QByteArray("<A>").repeated(100) + "</OFX>", "nest deeper"},
    };
    for (const auto& c : cases) {
        OfxReader reader;
        EXPECT_FALSE(reader.read(c.bytes)) << c.says;
        EXPECT_TRUE(reader.errorString().contains(QLatin1String(c.says))) << reader.errorString().toStdString();
        EXPECT_TRUE(reader.statement().accounts.empty());
    }
}

TEST(OfxFiles, OneLineVersionOneHeaderAndTheDayTheUserMadeIt) {
    OfxReader reader;
    ASSERT_TRUE(reader.read("OFXHEADER:100 DATA:OFXSGML VERSION:102 ENCODING:UTF-8 CHARSET:NONE "
                            "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM><ACCTID>1</BANKACCTFROM>"
                            "<BANKTRANLIST><STMTTRN><DTPOSTED>20260105<DTUSER>20260103<TRNAMT>-1,5<FITID>x"
                            "<NAME>Zoë</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>"))
        << reader.errorString().toStdString();
    ASSERT_EQ(reader.statement().accounts.size(), 1u);
    const auto& account = reader.statement().accounts[0];
    const auto posted = OfxStatement::transactionsOf(account);
    const auto made = OfxStatement::transactionsOf(account, OfxStatement::DaySource::UserWhenGiven);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].day, QDate(2026, 1, 5));
    EXPECT_EQ(made[0].day, QDate(2026, 1, 3));
    EXPECT_EQ(posted[0].amount, *Amount::fromString(u"-1.5"));
    EXPECT_EQ(posted[0].comment, QStringLiteral("Zoë"));
    EXPECT_EQ(posted[0].bankId, QStringLiteral("1#x"));
}
