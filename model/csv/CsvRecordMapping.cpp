#include "CsvRecordMapping.h"

#include "CsvColumnNames.h"
#include "CsvDateGuess.h"
#include "CsvDateReader.h"
#include "CsvHeaderFinder.h"
#include "CsvRecordWriter.h"
#include "CsvTable.h"

#include <QSet>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

using Role = CsvColumnNames::Role;

// Rows looked at to tell what a column holds; the day format looks at all.
constexpr std::size_t sampleRows = 200;
// Rows looked at for the variety of text and the signs of amounts.
constexpr std::size_t wideSample = 2000;

struct Sample {
    std::size_t first;
    std::size_t end;
    std::size_t size() const { return end - first; }
};

Sample sampleOf(const CsvTable& table, std::size_t first, std::size_t rows) {
    return {first, std::min(table.rowCount(), first + rows)};
}

bool readsAsAmount(QStringView text, CsvAmountReader::DecimalMark mark) {
    return CsvAmountReader(mark).read(text, nullptr).has_value();
}

bool readsAsAnyAmount(QStringView text) {
    return readsAsAmount(text, CsvAmountReader::DecimalMark::Point) ||
           readsAsAmount(text, CsvAmountReader::DecimalMark::Comma);
}

template <typename Reads> std::size_t readable(const CsvTable& table, Sample sample, int column, Reads reads) {
    std::size_t count = 0;
    for (std::size_t row = sample.first; row < sample.end; ++row) {
        count += reads(table.field(row, column)) ? 1 : 0;
    }
    return count;
}

// Whether a column is taken by its contents: all its rows read but a few,
// such as totals and notes below a table.
bool mostlyReads(std::size_t count, Sample sample) {
    return count * 2 > sample.size() && sample.size() - count <= std::max<std::size_t>(2, sample.size() / 5);
}

bool readsAsDays(const CsvTable& table, Sample sample, int column) {
    for (const QString& format : CsvRecordMapping::dateFormats()) {
        const CsvDateReader reader(format);
        if (mostlyReads(
                readable(table, sample, column, [&](QStringView text) { return reader.read(text, nullptr).isValid(); }),
                sample)) {
            return true;
        }
    }
    return false;
}

// Columns the guess has given a role.
class Taken {
public:
    void add(int column) {
        if (column != CsvRecordMapping::noColumn) {
            m_columns.push_back(column);
        }
    }
    bool has(int column) const { return std::find(m_columns.begin(), m_columns.end(), column) != m_columns.end(); }

private:
    std::vector<int> m_columns;
};

// The column of the header that names the role most plainly; the first of equals.
int columnNamed(const CsvTable& table, std::size_t header, Role role, const Taken& taken) {
    int best = CsvRecordMapping::noColumn;
    int bestRank = 0;
    for (int column = 0; column < table.fieldCount(header); ++column) {
        if (taken.has(column)) {
            continue;
        }
        const std::optional<int> rank = CsvColumnNames::rank(role, table.field(header, column));
        if (rank && (best == CsvRecordMapping::noColumn || *rank < bestRank)) {
            best = column;
            bestRank = *rank;
        }
    }
    return best;
}

// Of the columns, the one with the most different texts; of equals, the longest texts, then the first.
int mostVaried(const CsvTable& table, Sample sample, const std::vector<int>& columns) {
    int best = CsvRecordMapping::noColumn;
    qsizetype bestDistinct = 0;
    qsizetype bestLength = 0;
    for (const int column : columns) {
        QSet<QString> texts;
        qsizetype length = 0;
        for (std::size_t row = sample.first; row < sample.end; ++row) {
            const QStringView text = table.field(row, column).trimmed();
            if (!text.isEmpty()) {
                texts.insert(text.toString());
                length += text.size();
            }
        }
        if (texts.size() > bestDistinct || (texts.size() == bestDistinct && length > bestLength)) {
            best = column;
            bestDistinct = texts.size();
            bestLength = length;
        }
    }
    return best;
}

void guessFromNames(const CsvTable& table, std::size_t header, CsvRecordMapping& mapping, Taken& taken) {
    mapping.dateColumn = columnNamed(table, header, Role::Date, taken);
    // Every column named as a day, such as "Value Date", is no amount.
    for (int column = 0; column < table.fieldCount(header); ++column) {
        if (CsvColumnNames::rank(Role::Date, table.field(header, column))) {
            taken.add(column);
        }
    }
    const int amount = columnNamed(table, header, Role::Amount, taken);
    const int debit = columnNamed(table, header, Role::Debit, taken);
    Taken exceptDebit = taken;
    exceptDebit.add(debit);
    const int credit = columnNamed(table, header, Role::Credit, exceptDebit);
    // One name may say either, as "お支払金額" does: with a column of
    // incomings beside it, it holds the outgoings.
    if (debit != CsvRecordMapping::noColumn && credit != CsvRecordMapping::noColumn &&
        (amount == CsvRecordMapping::noColumn || amount == debit || amount == credit)) {
        mapping.amountStyle = CsvRecordMapping::AmountStyle::DebitAndCredit;
        mapping.debitColumn = debit;
        mapping.creditColumn = credit;
        taken.add(debit);
        taken.add(credit);
    } else {
        mapping.amountColumn = amount;
        taken.add(amount);
    }
    mapping.keywordsColumn = columnNamed(table, header, Role::Keywords, taken);
    taken.add(mapping.keywordsColumn);
    mapping.countedColumn = columnNamed(table, header, Role::Counted, taken);
    taken.add(mapping.countedColumn);
    mapping.idColumn = columnNamed(table, header, Role::Id, taken);
    taken.add(mapping.idColumn);

    std::vector<int> comments;
    for (int column = 0; column < table.fieldCount(header); ++column) {
        if (!taken.has(column) && CsvColumnNames::rank(Role::Comment, table.field(header, column))) {
            comments.push_back(column);
        }
    }
    mapping.commentColumn = mostVaried(table, sampleOf(table, header + 1, wideSample), comments);
    taken.add(mapping.commentColumn);
}

// Without names, or where the names leave a column out: the first column
// of days, the first of amounts, and the most varied text for the comment.
void guessFromContents(const CsvTable& table, std::size_t first, CsvRecordMapping& mapping, Taken& taken) {
    const Sample sample = sampleOf(table, first, sampleRows);
    const bool needsAmount = mapping.amountStyle == CsvRecordMapping::AmountStyle::OneColumn &&
                             mapping.amountColumn == CsvRecordMapping::noColumn;
    std::vector<bool> amounts(std::size_t(table.columnCount()), false);
    for (int column = 0; column < table.columnCount(); ++column) {
        if (taken.has(column)) {
            continue;
        }
        if (mapping.dateColumn == CsvRecordMapping::noColumn && readsAsDays(table, sample, column)) {
            mapping.dateColumn = column;
            taken.add(column);
            continue;
        }
        amounts[std::size_t(column)] = mostlyReads(readable(table, sample, column, readsAsAnyAmount), sample);
        if (needsAmount && mapping.amountColumn == CsvRecordMapping::noColumn && amounts[std::size_t(column)]) {
            mapping.amountColumn = column;
            taken.add(column);
        }
    }
    if (mapping.commentColumn == CsvRecordMapping::noColumn) {
        std::vector<int> texts;
        for (int column = 0; column < table.columnCount(); ++column) {
            if (!taken.has(column) && !amounts[std::size_t(column)]) {
                texts.push_back(column);
            }
        }
        mapping.commentColumn = mostVaried(table, sampleOf(table, first, wideSample), texts);
    }
}

// Where the rows read alike with either mark, fields apart by semicolons make
// it the comma, as spreadsheets write them where the comma is the decimal mark.
CsvAmountReader::DecimalMark decimalMarkOf(const CsvTable& table, std::size_t first, const CsvRecordMapping& mapping,
                                           QChar separator) {
    const Sample sample = sampleOf(table, first, sampleRows);
    std::size_t point = 0;
    std::size_t comma = 0;
    for (const int column : {mapping.amountColumn, mapping.debitColumn, mapping.creditColumn}) {
        if (column != CsvRecordMapping::noColumn) {
            point += readable(table, sample, column, [](QStringView text) {
                return readsAsAmount(text, CsvAmountReader::DecimalMark::Point);
            });
            comma += readable(table, sample, column, [](QStringView text) {
                return readsAsAmount(text, CsvAmountReader::DecimalMark::Comma);
            });
        }
    }
    const bool commaFirst = comma > point || (comma == point && separator == u';');
    return commaFirst ? CsvAmountReader::DecimalMark::Comma : CsvAmountReader::DecimalMark::Point;
}

bool mentionsPayment(QStringView comment) {
    const QString folded = CsvColumnNames::fold(comment);
    for (const char16_t* word : {u"payment", u"thank you", u"autopay", u"paiement", u"pago", u"pagamento", u"betaling",
                                 u"zahlung", u"入金", u"お支払", u"ご返済"}) {
        if (folded.contains(QStringView(word))) {
            return true;
        }
    }
    return false;
}

// A card statement writes purchases positive and the payment, the largest
// row as a rule, negative; a bank account writes most rows negative.
CsvRecordMapping::AmountSign signOf(const CsvTable& table, std::size_t first, const CsvRecordMapping& mapping) {
    if (mapping.hasHeader && CsvColumnNames::namesCharges(table.field(mapping.startRow, mapping.amountColumn))) {
        return CsvRecordMapping::AmountSign::OutgoingsPositive;
    }
    const CsvAmountReader reader(mapping.decimalMark);
    const Sample sample = sampleOf(table, first, wideSample);
    std::size_t positive = 0;
    std::size_t negative = 0;
    bool paymentOut = false;
    std::optional<Amount> largest;
    bool largestOut = false;
    for (std::size_t row = sample.first; row < sample.end; ++row) {
        const std::optional<Amount> amount = reader.read(table.field(row, mapping.amountColumn), nullptr);
        if (!amount || amount->isZero()) {
            continue;
        }
        const bool out = amount->sign() < 0;
        (out ? negative : positive) += 1;
        paymentOut = paymentOut || (out && mentionsPayment(table.field(row, mapping.commentColumn)));
        const Amount size = out ? *Amount::fromParts(-amount->mantissa(), amount->exponent()) : *amount;
        if (!largest || size > *largest) {
            largest = size;
            largestOut = out;
        }
    }
    return positive > negative && negative > 0 && (largestOut || paymentOut)
               ? CsvRecordMapping::AmountSign::OutgoingsPositive
               : CsvRecordMapping::AmountSign::OutgoingsNegative;
}

} // namespace

QStringList CsvRecordMapping::dateFormats() {
    return CsvDateReader::commonFormats();
}

bool CsvRecordMapping::isKeshHeader(const CsvTable& table, std::size_t row) {
    const QString names[] = {CsvRecordWriter::dateColumnName(), CsvRecordWriter::amountColumnName(),
                             CsvRecordWriter::commentColumnName(), CsvRecordWriter::keywordsColumnName(),
                             CsvRecordWriter::countedColumnName()};
    if (row >= table.rowCount() || table.fieldCount(row) != int(std::size(names))) {
        return false;
    }
    for (int column = 0; column < table.fieldCount(row); ++column) {
        if (table.field(row, column) != names[column]) {
            return false;
        }
    }
    return true;
}

CsvRecordMapping CsvRecordMapping::guess(const CsvTable& table, QChar separator, const QLocale& locale) {
    if (table.rowCount() == 0) {
        return CsvRecordMapping();
    }
    const CsvHeaderFinder::Start start = CsvHeaderFinder::find(table);
    return guessColumns(table, start.row, start.hasHeader, separator, locale);
}

CsvRecordMapping CsvRecordMapping::guessColumns(const CsvTable& table, std::size_t startRow, bool hasHeader,
                                                QChar separator, const QLocale& locale) {
    CsvRecordMapping mapping;
    mapping.startRow = startRow;
    mapping.hasHeader = hasHeader;
    mapping.textGuarded = hasHeader && isKeshHeader(table, startRow);
    const std::size_t first = mapping.firstRecordRow();
    if (first >= table.rowCount()) {
        return mapping;
    }
    Taken taken;
    if (hasHeader) {
        guessFromNames(table, startRow, mapping, taken);
    }
    guessFromContents(table, first, mapping, taken);
    if (mapping.dateColumn != noColumn) {
        const CsvDateGuess dates(table, mapping.dateColumn, first);
        const QString format = dates.preferred(locale);
        if (!format.isEmpty()) {
            mapping.dateFormat = format;
        }
    }
    mapping.decimalMark = decimalMarkOf(table, first, mapping, separator);
    // kesh's own files, the only ones with a counted column, are signed as the library is.
    if (mapping.amountStyle == AmountStyle::OneColumn && mapping.amountColumn != noColumn &&
        mapping.countedColumn == noColumn) {
        mapping.amountSign = signOf(table, first, mapping);
    }
    return mapping;
}
