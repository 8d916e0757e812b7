// Speed of bank statements coming in: an OFX file of 10,000 transactions
// planned against a lifetime's library whose records carry bank ids, a QIF
// file of as many, and keyword rules applied to a year's worth of records.
#include "../SyntheticLibrary.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "CommentCondition.h"
#include "KeywordRule.h"
#include "LibraryDocument.h"
#include "OfxReader.h"
#include "QifReader.h"
#include "QifWriter.h"
#include "StatementImportPlan.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

// A library of a million records, half of them imported with bank ids.
const DataRootPtr& libraryWithIds() {
    static const DataRootPtr root = [] {
        DataRootPtr made = SyntheticLibrary::build(1'000'000, 11);
        const IOList& records = made->mainLibrary()->records();
        for (std::size_t i = 0; i < records.size(); i += 2) {
            records[i]->setBankId(QStringLiteral("4711#%1").arg(i));
        }
        return made;
    }();
    return root;
}

// The transactions of another library as a bank would send them; every
// tenth one the big library holds already, by its id.
QByteArray ofxOf(const DataRoot& library, std::size_t count) {
    const DataRootPtr other = SyntheticLibrary::build(count, 5);
    QByteArray text = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\nCHARSET:1252\r\n\r\n"
                      "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>EUR<BANKACCTFROM><BANKID>1<ACCTID>4711"
                      "<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\r\n";
    std::size_t i = 0;
    for (const IOPtr& record : other->mainLibrary()->records()) {
        const QString id =
            i % 10 == 0 ? QString::number(i * 2 % library.mainLibrary()->count()) : QStringLiteral("N%1").arg(i);
        text += "<STMTTRN>\r\n<TRNTYPE>OTHER\r\n<DTPOSTED>" + record->date().toString(u"yyyyMMdd").toLatin1() +
                "\r\n<TRNAMT>" + QifWriter::amountText(*record->amount()).toLatin1() + "\r\n<FITID>" + id.toLatin1() +
                "\r\n<NAME>" + record->comment().toHtmlEscaped().toLatin1() + "\r\n</STMTTRN>\r\n";
        ++i;
    }
    return text + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}

void BM_OfxImport(benchmark::State& state) {
    const DataRootPtr& root = libraryWithIds();
    const QByteArray bytes = ofxOf(*root, std::size_t(state.range(0)));
    QElapsedTimer clock;
    double readMs = 0;
    double copyMs = 0;
    std::size_t duplicates = 0;
    for (auto _ : state) {
        clock.start();
        OfxReader reader;
        if (!reader.read(bytes)) {
            state.SkipWithError("the statement does not read");
            break;
        }
        readMs = double(clock.nsecsElapsed()) / 1e6;
        const CsvKnownRecords known(*root->mainLibrary());
        copyMs = double(clock.nsecsElapsed()) / 1e6 - readMs;
        const StatementImportPlan plan(OfxStatement::transactionsOf(reader.statement().accounts.at(0)), {}, known);
        duplicates = plan.duplicateCount();
    }
    state.counters["duplicates"] = double(duplicates);
    state.counters["read_ms"] = readMs;
    state.counters["copy_ms"] = copyMs;
}

void BM_QifImport(benchmark::State& state) {
    const DataRootPtr& root = libraryWithIds();
    const DataRootPtr other = SyntheticLibrary::build(std::size_t(state.range(0)), 5);
    const QByteArray bytes = QifWriter::toBytes(other->mainLibrary()->records());
    for (auto _ : state) {
        QifReader reader;
        if (!reader.read(bytes)) {
            state.SkipWithError("the statement does not read");
            break;
        }
        QifReader::Transactions read =
            reader.transactions(QifDateReader::Order::MonthFirst, QifReader::SplitMode::Total);
        const CsvKnownRecords known(*root->mainLibrary());
        const StatementImportPlan plan(std::move(read.transactions), {}, known);
        benchmark::DoNotOptimize(plan.importedCount());
    }
}

// Twenty rules of the usual shapes: a comment and an amount range, the
// keywords to add from the library's own.
void BM_ApplyRules(benchmark::State& state) {
    const DataRootPtr root = SyntheticLibrary::build(std::size_t(state.range(0)), 3);
    const QStringList texts = QStringLiteral("Rent Super Coffee Fuel Bakery Train Salary Phone Gym Books").split(u' ');
    KeywordRuleList rules;
    for (int i = 0; i < 20; ++i) {
        auto tree = AndConditions::create();
        ConditionPtr comment = CommentCondition::create();
        comment->setConditionTypeCode(i % 2 ? Condition::Includes : Condition::StartsWith);
        comment->setObject(texts[i % texts.size()]);
        tree->addCondition(comment);
        ConditionPtr amount = AmountCondition::create();
        amount->setConditionTypeCode(Condition::Between);
        amount->setObject(Amount::fromInt(-500 - i));
        amount->setObject2(Amount::fromInt(500));
        tree->addCondition(amount);
        KeywordRulePtr rule = KeywordRule::create(QStringLiteral("Rule %1").arg(i));
        rule->setConditions(tree);
        rule->setKeywords({root->keywords()[std::size_t(i) % root->keywords().size()]});
        rules.push_back(rule);
    }
    root->setKeywordRules(rules);
    LibraryDocument document(root);
    const IOList records = root->mainLibrary()->records();
    std::size_t tagged = 0;
    for (auto _ : state) {
        tagged = document.applyKeywordRules(records);
        state.PauseTiming();
        document.undoStack()->undo();
        document.undoStack()->clear();
        state.ResumeTiming();
    }
    state.counters["tagged"] = double(tagged);
}

} // namespace

BENCHMARK(BM_OfxImport)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QifImport)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyRules)->Arg(100'000)->Unit(benchmark::kMillisecond);
