// What the import guesses from a statement: where its table starts, which
// columns hold what, how its days, signs and encoding read.
#include "CsvDateGuess.h"
#include "CsvDateReader.h"
#include "CsvHeaderFinder.h"
#include "CsvImportPlan.h"
#include "CsvReader.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<const CsvTable> tableOf(const QString& text) {
    CsvReader reader;
    const QByteArray bytes = text.toUtf8();
    reader.setSeparator(CsvReader::guessSeparator(bytes));
    EXPECT_TRUE(reader.read(QByteArrayView(bytes))) << reader.errorString().toStdString();
    return std::make_shared<const CsvTable>(reader.takeTable());
}

struct DateCase {
    const char16_t* format;
    const char16_t* text;
    QDate expected; // invalid: refused
};

class CsvDateTimes : public ::testing::TestWithParam<DateCase> {};

TEST_P(CsvDateTimes, readTheDayWrittenOrAreRefused) {
    const DateCase& c = GetParam();
    QString error;
    const QDate day = CsvDateReader(QString::fromUtf16(c.format)).read(QStringView(c.text), &error);
    EXPECT_EQ(day, c.expected) << error.toStdString();
    EXPECT_EQ(error.isEmpty(), c.expected.isValid()) << error.toStdString();
}

const QDate first(2026, 12, 1);

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvDateTimes,
    ::testing::Values(
        // A time after the day, in the forms statements write it; the day is the one written, whatever the zone.
        DateCase{u"yyyy-MM-dd", u"2026-12-01 08:15:02", first}, DateCase{u"yyyy-MM-dd", u"2026-12-01T08:15", first},
        DateCase{u"yyyy-MM-dd", u"2026-12-01T08:15:02Z", first},
        DateCase{u"yyyy-MM-dd", u"2026-12-01T23:30:00.125-05:00", first},
        DateCase{u"yyyy-MM-dd", u"2026-12-01 23:30:00 +0900", first},
        DateCase{u"yyyy-MM-dd", u"2026-12-01 08:15 CET", first}, DateCase{u"d.M.yyyy", u"01.12.2026 08:15", first},
        DateCase{u"M/d/yyyy", u"12/01/2026 8:15 PM", first},
        // Formats that name the time, the month or quoted letters.
        DateCase{u"yyyy-MM-dd HH:mm:ss", u"2026-12-01 08:15:02", first},
        DateCase{u"yyyy-MM-dd'T'HH:mm", u"2026-12-01T08:15", first},
        DateCase{u"M/d/yyyy h:mm AP", u"12/1/2026 8:15 pm", first}, DateCase{u"d MMM yyyy", u"1 Dec 2026", first},
        DateCase{u"MMM d, yyyy", u"December 1, 2026", first}, DateCase{u"d-MMM-yyyy", u"01-DEC-2026", first},
        // Times that are none, and text after them.
        DateCase{u"yyyy-MM-dd", u"2026-12-01 24:00", {}}, DateCase{u"yyyy-MM-dd", u"2026-12-01 08:61", {}},
        DateCase{u"yyyy-MM-dd", u"2026-12-01 13:00 PM", {}}, DateCase{u"yyyy-MM-dd", u"2026-12-0108:15", {}},
        DateCase{u"yyyy-MM-dd", u"2026-12-01 08:15 later", {}}, DateCase{u"yyyy-MM-dd", u"2026-12-01 8", {}},
        DateCase{u"yyyy-MM-dd HH:mm:ss", u"2026-12-01", {}}, DateCase{u"d.M.yyyy", u"31.02.2026 10:00", {}},
        DateCase{u"d MMM yyyy", u"1 Dex 2026", {}}));

TEST(CsvHeaderFinder, findsTheTableBelowTitleLinesAndAboveTotals) {
    const struct {
        QString text;
        std::size_t row;
        bool hasHeader;
    } cases[] = {
        // Title lines with the account and the balance, then the table.
        {u"\"Account Name:\",\"Saver\"\n\"Account Balance:\",\"£2.00\"\n\n\"Date\",\"Transactions\",\"Paid out\","
         "\"Paid in\"\n01/12/2026,Shop,1.00,\n02/12/2026,Pay,,3.00\n"_s,
         2, true},
        // A holder line above, a total line below.
        {u"会員 様,1234\nご利用日,ご利用店名,ご利用金額\n2026/12/01,店,100\n2026/12/02,店,200\n合計,,300\n"_s, 1, true},
        // A title padded to the table's width is no header.
        {u"Statement December,,\nDate,Description,Amount\n2026-12-01,Shop,-1\n2026-12-02,Shop,-2\n"_s, 1, true},
        // No header: the first record starts the table.
        {u"12/01/2026,-45.00,Shop\n12/02/2026,-5.00,Shop\n"_s, 0, false},
        // Texts with the separator unquoted: many widths, the header still found.
        {u"Title\nDate,Text,Amount\n2026-12-01,Shop,-1\n2026-12-02,Shop, London,-2\n2026-12-03,Cafe, Paris,-3\n"
         "2026-12-04,Bar,-4\n2026-12-05,Inn, Rome,-5\n2026-12-06,Inn, Oslo,-6\n2026-12-07,Bus,-7\n"
         "2026-12-08,Bus,-8\n2026-12-09,Bus,-9\n2026-12-10,Bus,-10\n2026-12-11,Bus,-11\n"_s,
         1, true},
        // Records end with a separator the header lacks.
        {u"Details,Posting Date,Amount\nDEBIT,12/01/2026,-1.00,\nDEBIT,12/02/2026,-2.00,\n"_s, 0, true},
    };
    for (const auto& c : cases) {
        const auto table = tableOf(c.text);
        const CsvHeaderFinder::Start start = CsvHeaderFinder::find(*table);
        EXPECT_EQ(start.row, c.row) << c.text.toStdString();
        EXPECT_EQ(start.hasHeader, c.hasHeader) << c.text.toStdString();
    }
}

struct NamesCase {
    const char16_t* text;
    int date;
    int amount; // noColumn with debit and credit
    int debit;
    int credit;
    int comment;
};

class CsvHeaderNames : public ::testing::TestWithParam<NamesCase> {};

TEST_P(CsvHeaderNames, sayWhatEachColumnHolds) {
    const NamesCase& c = GetParam();
    const auto table = tableOf(QString::fromUtf16(c.text));
    const CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    ASSERT_TRUE(mapping.hasHeader);
    EXPECT_EQ(mapping.dateColumn, c.date);
    EXPECT_EQ(mapping.amountColumn, c.amount);
    EXPECT_EQ(mapping.amountStyle, c.amount == CsvRecordMapping::noColumn
                                       ? CsvRecordMapping::AmountStyle::DebitAndCredit
                                       : CsvRecordMapping::AmountStyle::OneColumn);
    if (mapping.amountStyle == CsvRecordMapping::AmountStyle::DebitAndCredit) {
        EXPECT_EQ(mapping.debitColumn, c.debit);
        EXPECT_EQ(mapping.creditColumn, c.credit);
    }
    EXPECT_EQ(mapping.commentColumn, c.comment);
}

constexpr int none = CsvRecordMapping::noColumn;

INSTANTIATE_TEST_SUITE_P(
    Languages, CsvHeaderNames,
    ::testing::Values(
        NamesCase{u"Transaction Date,Posting Date,Value Date,Description,Amount (GBP)\n"
                  "2026-12-01,2026-12-02,2026-12-03,Shop,-1\n",
                  0, 4, none, none, 3},
        NamesCase{
            u"Valuta;Buchungstag;Buchungstext;Verwendungszweck;Lastschrift Ursprungsbetrag;Betrag\n"
            "02.12.2026;01.12.2026;Lastschrift;Miete 12;;-1,00\n03.12.2026;02.12.2026;Lastschrift;Strom 12;;-2,00\n",
            1, 5, none, none, 3},
        NamesCase{u"Date;Libellé;Débit euros;Crédit euros;\n01/12/2026;CB;-1,00;;\n", 0, none, 2, 3, 1},
        NamesCase{u"Fecha;Concepto;Importe\n01/12/2026;Café;-1,00\n", 0, 2, none, none, 1},
        NamesCase{u"Data operazione;Descrizione;Importo\n01/12/2026;Bar;-1,00\n", 0, 2, none, none, 1},
        NamesCase{u"Datum,Naam / Omschrijving,Bedrag (EUR)\n20261201,Winkel,\"-1,00\"\n", 0, 2, none, none, 1},
        NamesCase{u"Type,Started Date,Completed Date,Description,Amount,Fee\nCARD,2026-12-01 08:15:02,2026-12-02 "
                  "10:00:00,Coffee,-3.40,0.00\n",
                  1, 4, none, none, 3},
        NamesCase{u"お取引日,摘要,お支払金額,お預り金額\n2026/12/01,ｺﾝﾋﾞﾆ,\"1,280\",\n", 0, none, 2, 3, 1},
        NamesCase{u"利用日,利用店名,お支払金額\n2026/12/01,書店,1280\n", 0, 2, none, none, 1},
        NamesCase{u"ご利用日,ご利用店名,ご利用金額（円）,備考\n2026/12/01,書店,1280,\n", 0, 2, none, none, 1},
        // Of two texts, the one that tells the records apart.
        NamesCase{u"Details,Posting Date,Description,Amount\nDEBIT,12/01/2026,SHOP A,-1\nDEBIT,12/02/2026,SHOP "
                  "B,-2\nCREDIT,12/03/2026,PAYROLL,3\n",
                  1, 3, none, none, 2}));

TEST(CsvDateGuess, keepsEveryReadingOfDaysThatReadTwoWays) {
    // Twelve days of December written month first: every one reads day first too.
    QString text;
    for (int day = 1; day <= 12; ++day) {
        text += u"12/%1/2026,-1,Shop\n"_s.arg(day, 2, 10, QChar(u'0'));
    }
    const auto table = tableOf(text + u"Total,-12,\n"_s);
    const CsvDateGuess guess(*table, 0, 0);
    EXPECT_EQ(guess.readings(), (QStringList{u"d/M/yyyy"_s, u"M/d/yyyy"_s}));
    EXPECT_EQ(guess.sampleText(), u"12/01/2026"_s);
    EXPECT_EQ(guess.preferred(QLocale(u"en_US"_s)), u"M/d/yyyy"_s);
    EXPECT_EQ(guess.preferred(QLocale(u"en_GB"_s)), u"d/M/yyyy"_s);
    EXPECT_EQ(guess.preferred(QLocale(u"de_DE"_s)), u"d/M/yyyy"_s);
    // Both read the days in order: nothing to flag.
    EXPECT_EQ(guess.orderedInstead(u"d/M/yyyy"_s), QString());
    EXPECT_EQ(CsvRecordMapping::guess(*table, u',', QLocale(u"en_US"_s)).dateFormat, u"M/d/yyyy"_s);

    // Read one way the days are in order, read the other they jump about.
    const auto jumbled = tableOf(u"03/01/2026,1\n04/01/2026,1\n05/01/2026,1\n01/02/2026,1\n"_s);
    const CsvDateGuess order(*jumbled, 0, 0);
    EXPECT_EQ(order.orderedInstead(u"M/d/yyyy"_s), u"d/M/yyyy"_s);
    EXPECT_EQ(order.orderedInstead(u"d/M/yyyy"_s), QString());

    // Days that read the same either way are no question.
    EXPECT_EQ(CsvDateGuess(*tableOf(u"05/05/2026,1\n07/07/2026,1\n"_s), 0, 0).readings(), QStringList{u"d/M/yyyy"_s});
}

TEST(CsvDateGuess, looksAtEveryRowForTheDayThatSettlesIt) {
    // Sixty ambiguous rows, then one only month first reads.
    QString text;
    for (int row = 0; row < 60; ++row) {
        text += u"%1/%2/2026,-1\n"_s.arg(row % 12 + 1).arg(row % 12 + 1 == 12 ? 11 : 12);
    }
    const auto table = tableOf(text + u"12/13/2026,-1\n"_s);
    const CsvDateGuess guess(*table, 0, 0);
    EXPECT_EQ(guess.readings(), QStringList{u"M/d/yyyy"_s});
    EXPECT_EQ(CsvRecordMapping::guess(*table, u',', QLocale(u"en_GB"_s)).dateFormat, u"M/d/yyyy"_s);
}

// A one-column statement planned as guessed: the sum its records come to.
double guessedSum(const QString& text, CsvRecordMapping::AmountSign* sign) {
    const auto table = tableOf(text);
    const CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    *sign = mapping.amountSign;
    const DataRootPtr root = DataRoot::create();
    const CsvImportPlan plan(table, mapping, *root);
    const CsvImportPlan::Totals totals = plan.totals();
    return totals.incomings + totals.outgoings;
}

TEST(CsvAmountSigns, followTheColumnOrTheCardStatement) {
    using Sign = CsvRecordMapping::AmountSign;
    Sign sign{};
    // A card writes purchases positive; its largest row, the payment, is negative.
    EXPECT_DOUBLE_EQ(guessedSum(u"Date,Description,Amount\n12/01/2026,Shop,25.00\n12/02/2026,Cafe,4.50\n"
                                "12/03/2026,Shop,30.00\n12/09/2026,AUTOPAY,-100.00\n"_s,
                                &sign),
                     40.50);
    EXPECT_EQ(sign, Sign::OutgoingsPositive);
    // Named as charges, even without a payment.
    EXPECT_DOUBLE_EQ(guessedSum(u"Date,Description,Charge\n12/01/2026,Shop,25.00\n12/02/2026,Cafe,4.50\n"_s, &sign),
                     -29.50);
    EXPECT_EQ(sign, Sign::OutgoingsPositive);
    // An account writes most rows negative, the salary positive.
    EXPECT_DOUBLE_EQ(guessedSum(u"Date,Description,Amount\n12/01/2026,Shop,-25.00\n12/02/2026,Cafe,-4.50\n"
                                "12/25/2026,Salary,1000.00\n"_s,
                                &sign),
                     970.50);
    EXPECT_EQ(sign, Sign::OutgoingsNegative);
    // kesh's own export is signed as the library was, whatever its rows.
    EXPECT_DOUBLE_EQ(guessedSum(u"date,amount,comment,keywords,counted\n2026-12-01,5,a,,true\n2026-12-02,6,b,,true\n"
                                "2026-12-03,-90,c,,true\n"_s,
                                &sign),
                     -79);
    EXPECT_EQ(sign, Sign::OutgoingsNegative);
    // Savings that only come in stay incomings.
    EXPECT_DOUBLE_EQ(
        guessedSum(u"Date,Description,Amount\n12/01/2026,Deposit,25.00\n12/02/2026,Interest,0.50\n"_s, &sign), 25.50);
    EXPECT_EQ(sign, Sign::OutgoingsNegative);

    // Debit and credit columns say the direction whatever sign is written:
    // a card's payment is a negative credit and still an incoming.
    const auto table = tableOf(u"Date,Description,Debit,Credit\n2026-12-01,Shop,25.00,\n2026-12-02,Refund,,-10.00\n"
                               "2026-12-03,Payment,,-100.00\n2026-12-04,Fee,-2.00,\n"_s);
    const DataRootPtr root = DataRoot::create();
    const CsvImportPlan plan(table, CsvRecordMapping::guess(*table), *root);
    EXPECT_EQ(plan.amount(0).toString(), u"-25"_s);
    EXPECT_EQ(plan.amount(1).toString(), u"10"_s);
    EXPECT_EQ(plan.amount(2).toString(), u"100"_s);
    EXPECT_EQ(plan.amount(3).toString(), u"-2"_s);
}

QByteArray encoded(const char* encoding, const QString& text) {
    return QStringEncoder(encoding).encode(text);
}

TEST(CsvEncoding, isGuessedByHowPlausiblyTheTextReads) {
    // Western text whose every byte Shift_JIS also reads: pound signs and capital umlauts.
    const QByteArray western = encoded("windows-1252", u"Date,Payee,Amount\n01/12/2026,MÜLLER & SÖHNE,£12.34\n"_s);
    EXPECT_EQ(CsvEncoding::guess(western), CsvEncoding::Windows1252);
    EXPECT_EQ(CsvEncoding::sampleLine(western, CsvEncoding::Windows1252), u"01/12/2026,MÜLLER & SÖHNE,£12.34"_s);
    EXPECT_EQ(CsvEncoding::guess(encoded("windows-1252", u"Bäckerei Größer;-3,50 €\n"_s)), CsvEncoding::Windows1252);

    EXPECT_EQ(CsvEncoding::guess(encoded("Shift_JIS", u"日付,摘要,金額\n2026/12/01,電気料金,-1280\n"_s)),
              CsvEncoding::ShiftJis);
    // Half-width kana alone, as card statements write shop names.
    EXPECT_EQ(CsvEncoding::guess(encoded("Shift_JIS", u"2026/12/01,ｶﾞｿﾘﾝ ｽﾀﾝﾄﾞ,4500\n"_s)), CsvEncoding::ShiftJis);
    EXPECT_EQ(CsvEncoding::guess("date,comment\n2026-12-01,caf\xc3\xa9\n"), CsvEncoding::Utf8);
    EXPECT_EQ(CsvEncoding::sampleLine("date,comment\n2026-12-01,cafe\n", CsvEncoding::Utf8), u"date,comment"_s);
}

TEST(CsvImportPlan, readsOnlyFromTheStartOfTheTable) {
    const auto table = tableOf(u"Account,123\nPeriod,December\nDate,Amount\n2026-12-01,-1\n2026-12-02,-2\n"_s);
    const CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    EXPECT_EQ(mapping.startRow, 2u);
    EXPECT_EQ(mapping.firstRecordRow(), 3u);
    const DataRootPtr root = DataRoot::create();
    const CsvImportPlan plan(table, mapping, *root);
    ASSERT_EQ(plan.rowCount(), 2u);
    EXPECT_EQ(plan.line(0), 4);
    EXPECT_TRUE(plan.problems().empty());

    // A text with the separator unquoted moves the amount: the row is left out, not read as "24".
    const auto wide = tableOf(u"Date,Text,Amount\n2026-12-01,Shop, 24,-1\n2026-12-02,Shop,-2,\n"_s);
    const CsvImportPlan widePlan(wide, CsvRecordMapping::guess(*wide), *root);
    ASSERT_EQ(widePlan.problems().size(), 1u);
    EXPECT_EQ(widePlan.problems()[0].line, 2);
    EXPECT_EQ(widePlan.problems()[0].reason,
              u"The row has 4 fields where the table has 3: a text may hold the separator without quotes."_s);
    EXPECT_EQ(widePlan.amount(1).toString(), u"-2"_s);
}

} // namespace
