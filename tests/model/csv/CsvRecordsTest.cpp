#include "CsvAmountReader.h"
#include "CsvDateReader.h"
#include "CsvDayAmountIndex.h"
#include "CsvFormulaGuard.h"
#include "CsvImportPlan.h"
#include "CsvReader.h"
#include "CsvRecordWriter.h"
#include "CsvWriter.h"

#include <QBuffer>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct AmountCase {
    const char16_t* text;
    CsvAmountReader::DecimalMark mark;
    const char* expected; // nullptr: refused
};

class CsvAmounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(CsvAmounts, readExactlyOrAreRefused) {
    const AmountCase& c = GetParam();
    QString error;
    const std::optional<Amount> amount = CsvAmountReader(c.mark).read(QStringView(c.text), &error);
    if (!c.expected) {
        EXPECT_FALSE(amount) << amount->toString().toStdString();
        EXPECT_FALSE(error.isEmpty());
        return;
    }
    ASSERT_TRUE(amount) << error.toStdString();
    EXPECT_EQ(amount->toString(), QString::fromLatin1(c.expected));
}

constexpr auto point = CsvAmountReader::DecimalMark::Point;
constexpr auto comma = CsvAmountReader::DecimalMark::Comma;

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvAmounts,
    ::testing::Values(
        AmountCase{u"-1,234.50", point, "-1234.5"}, AmountCase{u"1.234,50", comma, "1234.5"},
        AmountCase{u"0.1", point, "0.1"}, AmountCase{u"(12.00)", point, "-12"}, AmountCase{u"¥1,200", point, "1200"},
        AmountCase{u"1 234,5 €", comma, "1234.5"}, AmountCase{u"１２３", point, "123"}, AmountCase{u"−7", point, "-7"},
        AmountCase{u"12,34,567.8", point, "1234567.8"}, AmountCase{u"123456789012345678", point, "123456789012345678"},
        AmountCase{u"1,234.5.6", point, nullptr}, AmountCase{u"1e999", point, nullptr},
        AmountCase{u"1e3", point, nullptr}, AmountCase{u"12,34", point, nullptr}, AmountCase{u"1,2345", point, nullptr},
        AmountCase{u"1.234.5", comma, nullptr}, AmountCase{u"1234567890123456789", point, nullptr},
        AmountCase{u"-", point, nullptr}, AmountCase{u"abc", point, nullptr}, AmountCase{u"(-5)", point, nullptr}));

TEST(CsvDates, readEachFormatAndRefuseDaysThatDoNotExist) {
    QString error;
    EXPECT_EQ(CsvDateReader(u"yyyy-MM-dd"_s).read(u"2026-03-09", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"d/M/yyyy"_s).read(u"9/3/2026", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"d/M/yyyy"_s).read(u"09/03/2026", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"M/d/yyyy"_s).read(u"3/9/2026", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"yyyyMMdd"_s).read(u"20260309", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"yyyy年M月d日"_s).read(u"2026年3月9日", &error), QDate(2026, 3, 9));
    EXPECT_EQ(CsvDateReader(u"dd.MM.yy"_s).read(u"09.03.26", &error), QDate(2026, 3, 9));
    // A format with month names goes to QDate.
    EXPECT_EQ(CsvDateReader(u"d MMM yyyy"_s).read(u"9 Mar 2026", &error), QDate(2026, 3, 9));

    for (const char16_t* bad : {u"31/02/2026", u"2026-03-09", u"9/3/26", u"", u"9/3/2026 x", u"0/3/2026"}) {
        error.clear();
        EXPECT_FALSE(CsvDateReader(u"d/M/yyyy"_s).read(QStringView(bad), &error).isValid())
            << QString::fromUtf16(bad).toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(CsvDateReader(u"yyyyMMdd"_s).read(u"2026039", &error).isValid());
}

TEST(CsvWriter, quotesOnlyWhatNeedsIt) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    writer.writeRow({u"plain", u"a,b", u"say \"hi\"", u"two\nlines", u" padded", u"", u"日本"});
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(bytes, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" padded\",,日本\r\n"_ba);
}

// A device that takes nothing.
class FullDevice : public QIODevice {
public:
    FullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override {
        setErrorString(u"No space left on device"_s);
        return -1;
    }
};

TEST(CsvWriter, reportsAFailedWrite) {
    FullDevice device;
    CsvRecordWriter writer;
    const IOPtr record = IO::create(Amount::fromInt(5), QDateTime(QDate(2026, 1, 1), QTime()), {}, u"x"_s, 1);
    EXPECT_FALSE(writer.write({record}, &device));
    EXPECT_EQ(writer.errorString(), u"No space left on device"_s);
}

// A small library with what is hard to carry through a CSV file.
DataRootPtr awkwardLibrary() {
    DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(u"Food"_s);
    const KeywordPtr trip = Keyword::create(u"旅行"_s);
    root->setKeywords({food, trip});
    const auto add = [&](const char* amount, QDate day, const QString& comment, KeywordList keywords, int counted) {
        root->mainLibrary()->addObject(IO::create(Amount::fromString(QString::fromLatin1(amount)),
                                                  QDateTime(day, QTime()), std::move(keywords), comment,
                                                  std::int8_t(counted)));
    };
    add("-1234.5", QDate(2026, 3, 9), u"Lunch, with \"Bob\""_s, {food}, 1);
    add("0.000000000000000001", QDate(1999, 12, 31), u"two\nlines"_s, {food, trip}, 0);
    add("123456789012345678", QDate(2026, 3, 9), u" spaced "_s, {}, 1);
    add("-0.1", QDate(2001, 1, 1), u""_s, {trip}, 1);
    add("250000000000000000000", QDate(2026, 2, 28), u"東京 → 大阪"_s, {}, 0);
    return root;
}

// Export, then read and plan as the import dialog does with what it guesses.
CsvImportPlan planFor(const QByteArray& bytes, const DataRoot& into) {
    CsvReader reader;
    reader.setEncoding(CsvEncoding::guess(bytes));
    reader.setSeparator(CsvReader::guessSeparator(bytes));
    EXPECT_TRUE(reader.read(QByteArrayView(bytes))) << reader.errorString().toStdString();
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    return CsvImportPlan(table, CsvRecordMapping::guess(*table, reader.separator()), into);
}

QByteArray exported(const IOList& records, const CsvRecordWriter::Options& options = {}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CsvRecordWriter writer;
    writer.setOptions(options);
    EXPECT_TRUE(writer.write(records, &buffer));
    return bytes;
}

// The records the plan makes of the bytes, into an empty library.
IOList reimported(const QByteArray& bytes) {
    const DataRootPtr empty = DataRoot::create();
    const CsvImportPlan plan = planFor(bytes, *empty);
    EXPECT_TRUE(plan.canImport()) << plan.mappingProblem().toStdString() << bytes.left(400).toStdString();
    return plan.makeRecords(*empty).records;
}

TEST(CsvRoundTrip, anExportedLibraryImportsIntoAnEmptyOneAsTheSameRecords) {
    const DataRootPtr source = awkwardLibrary();
    const IOList& records = source->mainLibrary()->records();
    const QByteArray bytes = exported(records);
    EXPECT_TRUE(bytes.startsWith("date,amount,comment,keywords,counted\r\n"));
    EXPECT_TRUE(bytes.contains("2026-03-09,-1234.5,\"Lunch, with \"\"Bob\"\"\",Food,true\r\n")) << bytes.data();
    EXPECT_TRUE(bytes.contains("0.000000000000000001"));

    const DataRootPtr empty = DataRoot::create();
    const CsvImportPlan plan = planFor(bytes, *empty);
    EXPECT_TRUE(plan.mapping().hasHeader);
    ASSERT_TRUE(plan.canImport()) << plan.mappingProblem().toStdString();
    const CsvImportPlan::Batch batch = plan.makeRecords(*empty);
    ASSERT_EQ(batch.records.size(), records.size());
    ASSERT_EQ(batch.newKeywords.size(), 2u);
    EXPECT_EQ(batch.newKeywords[0]->name(), u"Food"_s);
    EXPECT_EQ(batch.newKeywords[1]->name(), u"旅行"_s);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const IO& in = *records[i];
        const IO& out = *batch.records[i];
        EXPECT_EQ(out.date(), in.date()) << i;
        EXPECT_EQ(out.amount(), in.amount()) << i;
        EXPECT_EQ(out.comment(), in.comment()) << i;
        EXPECT_EQ(out.includeInStats(), in.includeInStats()) << i;
        ASSERT_EQ(out.keywords().size(), in.keywords().size()) << i;
        for (std::size_t k = 0; k < in.keywords().size(); ++k) {
            EXPECT_EQ(out.keywords()[k]->name(), in.keywords()[k]->name());
        }
    }
    // One keyword object per name, shared by the records that carry it.
    QSet<const Keyword*> foods;
    for (const IOPtr& record : batch.records) {
        for (const KeywordPtr& keyword : record->keywords()) {
            if (keyword->name() == u"Food"_s) {
                foods.insert(keyword.get());
            }
        }
    }
    EXPECT_EQ(foods, QSet<const Keyword*>{batch.newKeywords[0].get()});
}

TEST(CsvImportPlan, marksRowsAlreadyInTheLibraryAndImportsThemOnlyWhenTicked) {
    const DataRootPtr library = awkwardLibrary();
    QByteArray bytes = exported(library->mainLibrary()->records());
    // Same day and amount, another comment: not a duplicate.
    bytes += "2026-03-09,-1234.5,Lunch,,true\r\n";
    CsvImportPlan plan = planFor(bytes, *library);
    EXPECT_EQ(plan.duplicateCount(), 5u);
    EXPECT_EQ(plan.importedCount(), 1u);
    EXPECT_EQ(plan.status(0), CsvImportPlan::Status::Duplicate);
    EXPECT_EQ(plan.status(5), CsvImportPlan::Status::Ready);
    // The oldest record, last in the library's order.
    plan.setDuplicateTicked(4, true);
    EXPECT_EQ(plan.importedCount(), 2u);
    // Keywords the library has are its own objects; nothing new is made.
    const CsvImportPlan::Batch batch = plan.makeRecords(*library);
    ASSERT_EQ(batch.records.size(), 2u);
    EXPECT_EQ(batch.records[0]->comment(), u"two\nlines"_s);
    EXPECT_EQ(batch.records[0]->keywords(), (KeywordList{library->keywords()[0], library->keywords()[1]}));
    EXPECT_TRUE(batch.newKeywords.empty());
}

TEST(CsvImportPlan, readsAJapaneseStatementWithDebitAndCreditColumns) {
    const QByteArray bytes = QStringEncoder("Shift_JIS")
                                 .encode(u"年月日,お取引内容,お引出し,お預入れ,残高\r\n"
                                         "2026/3/1,ｶｰﾄﾞ ｺﾝﾋﾞﾆ,\"1,280\",,\"98,720\"\r\n"
                                         "2026/3/25,給与,,\"250,000\",\"348,720\"\r\n"_s);
    const DataRootPtr empty = DataRoot::create();
    const CsvImportPlan plan = planFor(bytes, *empty);
    const CsvRecordMapping& mapping = plan.mapping();
    EXPECT_TRUE(mapping.hasHeader);
    EXPECT_EQ(mapping.dateColumn, 0);
    EXPECT_EQ(mapping.dateFormat, u"yyyy/M/d"_s);
    EXPECT_EQ(mapping.amountStyle, CsvRecordMapping::AmountStyle::DebitAndCredit);
    EXPECT_EQ(mapping.debitColumn, 2);
    EXPECT_EQ(mapping.creditColumn, 3);
    EXPECT_EQ(mapping.commentColumn, 1);
    ASSERT_TRUE(plan.canImport());
    EXPECT_EQ(plan.amount(0), *Amount::fromString(u"-1280"));
    EXPECT_EQ(plan.amount(1), *Amount::fromString(u"250000"));
    EXPECT_EQ(plan.day(1), QDate(2026, 3, 25));
    EXPECT_EQ(plan.comment(0), u"ｶｰﾄﾞ ｺﾝﾋﾞﾆ");
}

TEST(CsvImportPlan, guessesAHeaderlessFileFromWhatItsColumnsHold) {
    const QByteArray bytes = "09.03.2026;Bäckerei Müller;-3,50\n10.03.2026;Gehalt;2.500,00\n"_ba;
    const DataRootPtr empty = DataRoot::create();
    const CsvImportPlan plan = planFor(bytes, *empty);
    EXPECT_FALSE(plan.mapping().hasHeader);
    EXPECT_EQ(plan.mapping().dateFormat, u"d.M.yyyy"_s);
    EXPECT_EQ(plan.mapping().amountColumn, 2);
    EXPECT_EQ(plan.mapping().commentColumn, 1);
    EXPECT_EQ(plan.mapping().decimalMark, CsvAmountReader::DecimalMark::Comma);
    ASSERT_TRUE(plan.canImport());
    EXPECT_EQ(plan.amount(1).toString(), u"2500"_s);
}

TEST(CsvImportPlan, listsEveryUnreadableRowWithItsLineAndLeavesItOut) {
    const QByteArray bytes = "date,amount,comment,counted\n"
                             "31/02/2026,5,bad day,true\n"
                             "01/03/2026,\"1,234.5.6\",bad amount,true\n"
                             "02/03/2026,1e999,huge,true\n"
                             "03/03/2026,7,fine,true\n"
                             "04/03/2026,8,odd flag,maybe\n"
                             "05/03/2026,,no amount,true\n"_ba;
    const DataRootPtr empty = DataRoot::create();
    CsvReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(bytes)));
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    EXPECT_EQ(mapping.dateFormat, u"d/M/yyyy"_s);
    const CsvImportPlan plan(table, mapping, *empty);
    ASSERT_EQ(plan.problems().size(), 5u);
    EXPECT_EQ(plan.problems()[0].line, 2);
    EXPECT_TRUE(plan.problems()[0].reason.contains(u"31/02/2026"_s));
    EXPECT_EQ(plan.problems()[1].line, 3);
    EXPECT_TRUE(plan.problems()[1].reason.contains(u"1,234.5.6"_s));
    EXPECT_EQ(plan.problems()[2].line, 4);
    EXPECT_EQ(plan.problems()[3].line, 6);
    EXPECT_EQ(plan.problems()[4].line, 7);
    ASSERT_TRUE(plan.canImport());
    const CsvImportPlan::Batch batch = plan.makeRecords(*empty);
    ASSERT_EQ(batch.records.size(), 1u);
    EXPECT_EQ(batch.records[0]->comment(), u"fine"_s);

    // Without a date column nothing can be read at all, and it says so once.
    mapping.dateColumn = CsvRecordMapping::noColumn;
    const CsvImportPlan unmapped(table, mapping, *empty);
    EXPECT_FALSE(unmapped.mappingProblem().isEmpty());
    EXPECT_FALSE(unmapped.canImport());
}

TEST(CsvImportPlan, readsDebitsAsOutgoingsAndRefusesRowsWithBoth) {
    const QByteArray bytes = "date,debit,credit\n2026-01-01,5,\n2026-01-02,-6,\n2026-01-03,,7\n2026-01-04,1,2\n"
                             "2026-01-05,,\n"_ba;
    CsvReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(bytes)));
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    const CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    ASSERT_EQ(mapping.amountStyle, CsvRecordMapping::AmountStyle::DebitAndCredit);
    const DataRootPtr empty = DataRoot::create();
    const CsvImportPlan plan(table, mapping, *empty);
    EXPECT_EQ(plan.amount(0).toString(), u"-5"_s);
    EXPECT_EQ(plan.amount(1).toString(), u"-6"_s);
    EXPECT_EQ(plan.amount(2).toString(), u"7"_s);
    ASSERT_EQ(plan.problems().size(), 2u);
    EXPECT_EQ(plan.problems()[0].line, 5);
    EXPECT_EQ(plan.problems()[1].line, 6);
}

TEST(CsvExport, writesTextThatLooksLikeAFormulaAsTextAndReadsItBackExactly) {
    const QStringList comments = {u"=HYPERLINK(\"http://example.invalid\",\"x\")"_s,
                                  u"+1 555 0100"_s,
                                  u"-5 refund"_s,
                                  u"@SUM(A1)"_s,
                                  u"\tTabbed"_s,
                                  u"\rReturn"_s,
                                  u"'=already marked"_s,
                                  u"''@twice"_s,
                                  u"'plain quote"_s,
                                  u"'"_s,
                                  u"a = b"_s};
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr formula = Keyword::create(u"=cmd|' /C calc'!A0"_s);
    root->setKeywords({formula});
    IOList records;
    for (const QString& comment : comments) {
        records.push_back(IO::create(Amount::fromString(u"-12.5"_s), QDateTime(QDate(2026, 3, 9), QTime()),
                                     KeywordList{formula}, comment, 1));
    }
    const QByteArray bytes = exported(records);
    EXPECT_TRUE(bytes.contains("2026-03-09,-12.5,\"'=HYPERLINK(\"\"http://example.invalid\"\",\"\"x\"\")\","))
        << bytes.data();

    // No text cell a spreadsheet reads begins a formula; amounts stay numbers.
    CsvReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(bytes)));
    const CsvTable& table = reader.table();
    for (std::size_t row = 1; row < table.rowCount(); ++row) {
        EXPECT_EQ(table.field(row, 1), u"-12.5");
        for (const int column : {2, 3}) {
            const QStringView text = table.field(row, column);
            EXPECT_FALSE(!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
                << text.toString().toStdString();
        }
    }
    EXPECT_EQ(table.field(7, 2), u"''=already marked");
    EXPECT_EQ(table.field(9, 2), u"'plain quote");

    const IOList back = reimported(bytes);
    ASSERT_EQ(back.size(), comments.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i]->comment(), comments[qsizetype(i)]) << i;
        ASSERT_EQ(back[i]->keywords().size(), 1u);
        EXPECT_EQ(back[i]->keywords()[0]->name(), formula->name());
    }
}

TEST(CsvExport, onlyKeshsOwnExportLosesTheApostrophe) {
    // A bank's file is read as it stands.
    const IOList back = reimported("Date,Amount,Description\r\n2026-03-09,-12.5,'=SUM(A1)\r\n"_ba);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]->comment(), u"'=SUM(A1)"_s);
    EXPECT_EQ(CsvFormulaGuard::unguarded(u"'=x"), u"=x");
    EXPECT_EQ(CsvFormulaGuard::unguarded(u"'x"), u"'x");
}

TEST(CsvExport, forSpreadsheetsWritesAByteOrderMarkTheLocalesSeparatorAndTheColumnsDecimals) {
    const DataRootPtr source = awkwardLibrary();
    const IOList& records = source->mainLibrary()->records();
    const QByteArray comma = exported(records, CsvRecordWriter::forSpreadsheets(u',', 2));
    EXPECT_TRUE(comma.startsWith("\xEF\xBB\xBF"
                                 "date;amount;comment;keywords;counted\r\n"))
        << comma.data();
    EXPECT_TRUE(comma.contains("\r\n2026-03-09;-1234,50;\"Lunch, with \"\"Bob\"\"\";Food;true\r\n")) << comma.data();
    // An amount with more decimals than the column keeps them all; a whole one gets the column's.
    EXPECT_TRUE(comma.contains(";0,000000000000000001;")) << comma.data();
    EXPECT_TRUE(comma.contains(";250000000000000000000,00;")) << comma.data();
    EXPECT_TRUE(comma.contains(";\"Food; 旅行\";false\r\n")) << comma.data();

    const QByteArray point = exported(records, CsvRecordWriter::forSpreadsheets(u'.', 2));
    EXPECT_TRUE(point.startsWith("\xEF\xBB\xBF"
                                 "date,amount,"));
    EXPECT_TRUE(point.contains("\r\n2026-03-09,-1234.50,\"Lunch, with \"\"Bob\"\"\",Food,true\r\n")) << point.data();

    // kesh reads both back as the records they were.
    for (const QByteArray& bytes : {comma, point}) {
        const IOList back = reimported(bytes);
        ASSERT_EQ(back.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(back[i]->amount(), records[i]->amount()) << i;
            EXPECT_EQ(back[i]->comment(), records[i]->comment()) << i;
            EXPECT_EQ(back[i]->date(), records[i]->date()) << i;
        }
    }
}

TEST(CsvExport, amountsThatReadWithEitherMarkComeBackWithTheSpreadsheetsOne) {
    // "-0,125" and "12,500" read with a point as thousands; the semicolons say the comma is the mark.
    IOList records;
    for (const char16_t* amount : {u"-0.125", u"12.5", u"-999.001"}) {
        records.push_back(
            IO::create(Amount::fromString(QStringView(amount)), QDateTime(QDate(2026, 1, 2), QTime()), {}, u"x"_s, 1));
    }
    const QByteArray bytes = exported(records, CsvRecordWriter::forSpreadsheets(u',', 3));
    EXPECT_TRUE(bytes.contains(";-0,125;") && bytes.contains(";12,500;")) << bytes.data();
    const IOList back = reimported(bytes);
    ASSERT_EQ(back.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(back[i]->amount(), records[i]->amount()) << i;
    }
}

TEST(CsvImportPlan, givesEveryRecordTheKeywordsTheMappingAdds) {
    const DataRootPtr library = DataRoot::create();
    const KeywordPtr food = Keyword::create(u"Food"_s);
    library->setKeywords({food});
    CsvReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView("date,amount,comment,keywords\n2026-01-01,-5,a,Food; Out\n"
                                           "2026-01-02,-6,b,\n"_ba)));
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    mapping.keywordsToAdd = {u" Bank "_s, u"Food"_s, u""_s};
    const CsvImportPlan plan(table, mapping, *library);
    EXPECT_EQ(plan.keywordNames(0), (QStringList{u"Food"_s, u"Out"_s, u"Bank"_s}));
    EXPECT_EQ(plan.keywordNames(1), (QStringList{u"Bank"_s, u"Food"_s}));
    const CsvImportPlan::Batch batch = plan.makeRecords(*library);
    ASSERT_EQ(batch.records.size(), 2u);
    ASSERT_EQ(batch.newKeywords.size(), 2u);
    const KeywordPtr& bank = batch.newKeywords[1];
    EXPECT_EQ(bank->name(), u"Bank"_s);
    EXPECT_EQ(batch.records[1]->keywords(), (KeywordList{bank, food}));
}

TEST(CsvImportPlan, madeFromACopyOfTheLibraryStopsWhenCancelled) {
    const DataRootPtr library = awkwardLibrary();
    const QByteArray bytes = exported(library->mainLibrary()->records());
    CsvReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(bytes)));
    auto table = std::make_shared<const CsvTable>(reader.takeTable());
    const CsvKnownRecords known(*library->mainLibrary());
    // The library changes after the copy: the plan goes by the copy.
    library->mainLibrary()->records()[0]->setComment(u"changed"_s);

    CsvProgress progress;
    const CsvImportPlan plan(table, CsvRecordMapping::guess(*table), known, &progress);
    EXPECT_EQ(plan.duplicateCount(), 5u);
    EXPECT_EQ(progress.done(), CsvProgress::whole);

    CsvProgress cancelled;
    cancelled.cancel();
    const CsvImportPlan stopped(table, CsvRecordMapping::guess(*table), known, &cancelled);
    EXPECT_TRUE(stopped.wasCancelled());
    EXPECT_FALSE(stopped.canImport());
    EXPECT_TRUE(stopped.makeRecords(*library).records.empty());
}

TEST(CsvDayAmountIndex, findsEveryRowOfAKeyInFileOrderAndNothingForOtherKeys) {
    // Many rows to each day and amount: chains of twenty rows.
    constexpr std::uint32_t rows = 20'000;
    const auto keyOf = [](std::uint32_t row) {
        const std::uint32_t key = row % 997;
        return CsvDayAmountIndex::Key{std::int32_t(2'460'000 + key % 37), std::int16_t(-(key % 3)),
                                      std::int64_t(key) - 500};
    };
    CsvDayAmountIndex index(rows);
    EXPECT_TRUE(index.isEmpty());
    for (std::uint32_t row = rows; row-- > 0;) {
        index.add(keyOf(row), row);
    }
    for (const std::uint32_t row : {0u, 1u, 36u, 3'737u, 19'999u}) {
        std::vector<std::uint32_t> found;
        for (std::uint32_t i = index.find(keyOf(row)); i != CsvDayAmountIndex::none; i = index.next(i)) {
            found.push_back(i);
        }
        std::vector<std::uint32_t> expected;
        for (std::uint32_t other = 0; other < rows; ++other) {
            if (keyOf(other) == keyOf(row)) {
                expected.push_back(other);
            }
        }
        EXPECT_EQ(found, expected) << row;
    }
    EXPECT_EQ(index.find({2'460'000, 0, 497}), CsvDayAmountIndex::none);
    EXPECT_EQ(index.find({2'459'999, 0, 0}), CsvDayAmountIndex::none);
}

} // namespace
