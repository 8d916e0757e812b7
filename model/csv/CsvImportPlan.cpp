#include "CsvImportPlan.h"

#include "CsvDateReader.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

// A record's day and exact amount: rows and records that differ here cannot be duplicates.
struct DayAndAmount {
    std::int32_t julianDay;
    std::int16_t exponent;
    std::int64_t mantissa;
    bool operator==(const DayAndAmount& other) const = default;
};

struct DayAndAmountHash {
    std::size_t operator()(const DayAndAmount& key) const {
        const std::uint64_t mixed = std::uint64_t(key.mantissa) * 0x9E3779B97F4A7C15ull ^
                                    (std::uint64_t(std::uint32_t(key.julianDay)) << 16) ^
                                    std::uint64_t(std::uint16_t(key.exponent));
        return std::size_t(mixed ^ (mixed >> 29));
    }
};

std::optional<bool> readCounted(QStringView input) {
    if (input.trimmed().isEmpty()) {
        return true;
    }
    const QString text = input.trimmed().toString().toCaseFolded();
    if (text == u"true" || text == u"yes" || text == u"1" || text == u"y") {
        return true;
    }
    if (text == u"false" || text == u"no" || text == u"0" || text == u"n") {
        return false;
    }
    return std::nullopt;
}

Amount negated(const Amount& amount) {
    return *Amount::fromParts(-amount.mantissa(), amount.exponent());
}

Amount magnitude(const Amount& amount) {
    return amount.sign() < 0 ? negated(amount) : amount;
}

} // namespace

// Reads the fields of one table row as the mapping says.
class CsvImportPlan::RowReader {
public:
    RowReader(const CsvTable& table, const CsvRecordMapping& mapping)
        : m_table(table)
        , m_mapping(mapping)
        , m_dates(mapping.dateFormat)
        , m_amounts(mapping.decimalMark)
        , m_width(widthOf(table, mapping)) {}

    bool read(std::size_t tableRow, Row& row, QString* reason) const {
        // A text with the separator unquoted moves the fields after it: such a
        // row might read, but as other columns.
        const int fields = m_table.fieldCount(tableRow);
        for (int column = m_width; column < fields; ++column) {
            if (!m_table.field(tableRow, column).trimmed().isEmpty()) {
                *reason = tr("The row has %1 fields where the table has %2: a text may hold the separator "
                             "without quotes.")
                              .arg(fields)
                              .arg(m_width);
                return false;
            }
        }
        const QDate day = m_dates.read(m_table.field(tableRow, m_mapping.dateColumn), reason);
        if (!day.isValid()) {
            return false;
        }
        const std::optional<Amount> amount = readAmount(tableRow, reason);
        if (!amount) {
            return false;
        }
        const QStringView countedText = m_table.field(tableRow, m_mapping.countedColumn);
        const std::optional<bool> counted = readCounted(countedText);
        if (!counted) {
            *reason = tr("“%1” is neither true nor false.").arg(countedText.trimmed().toString());
            return false;
        }
        row.tableRow = std::uint32_t(tableRow);
        row.julianDay = std::int32_t(day.toJulianDay());
        row.amount = *amount;
        row.counted = *counted;
        return true;
    }

private:
    // The number of columns: the header's, or that of most records. A record
    // may end with one more, empty.
    static int widthOf(const CsvTable& table, const CsvRecordMapping& mapping) {
        if (mapping.hasHeader) {
            return table.fieldCount(mapping.startRow);
        }
        std::map<int, std::size_t> counts;
        for (std::size_t row = mapping.firstRecordRow(); row < table.rowCount(); ++row) {
            ++counts[table.fieldCount(row)];
        }
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        return most == counts.end() ? table.columnCount() : most->first;
    }

    std::optional<Amount> readAmount(std::size_t tableRow, QString* reason) const {
        if (m_mapping.amountStyle == CsvRecordMapping::AmountStyle::OneColumn) {
            const std::optional<Amount> amount =
                m_amounts.read(m_table.field(tableRow, m_mapping.amountColumn), reason);
            if (!amount && reason->isEmpty()) {
                *reason = tr("The amount is missing.");
            }
            if (amount && m_mapping.amountSign == CsvRecordMapping::AmountSign::OutgoingsPositive) {
                return negated(*amount);
            }
            return amount;
        }
        const QStringView debitText = m_table.field(tableRow, m_mapping.debitColumn);
        const QStringView creditText = m_table.field(tableRow, m_mapping.creditColumn);
        const std::optional<Amount> debit = m_amounts.read(debitText, reason);
        if (!debit && !reason->isEmpty()) {
            return std::nullopt;
        }
        const std::optional<Amount> credit = m_amounts.read(creditText, reason);
        if (!credit && !reason->isEmpty()) {
            return std::nullopt;
        }
        if (!debit && !credit) {
            *reason = tr("The amount is missing: both the debit and the credit are empty.");
            return std::nullopt;
        }
        if (debit && credit && !debit->isZero() && !credit->isZero()) {
            *reason = tr("The row has both a debit (%1) and a credit (%2).")
                          .arg(debitText.trimmed().toString(), creditText.trimmed().toString());
            return std::nullopt;
        }
        // The column says the direction, whatever sign the file writes:
        // card statements write payments as negative credits.
        if (credit && (!credit->isZero() || !debit)) {
            return magnitude(*credit);
        }
        return negated(magnitude(*debit));
    }

    const CsvTable& m_table;
    const CsvRecordMapping& m_mapping;
    CsvDateReader m_dates;
    CsvAmountReader m_amounts;
    int m_width;
};

CsvImportPlan::CsvImportPlan(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping,
                             const DataRoot& root)
    : m_table(std::move(table))
    , m_mapping(mapping) {
    m_mappingProblem = checkMapping();
    if (!m_mappingProblem.isEmpty()) {
        return;
    }
    const std::size_t first = m_mapping.firstRecordRow();
    if (m_table->rowCount() > first) {
        m_rows.reserve(m_table->rowCount() - first);
    }
    const RowReader reader(*m_table, m_mapping);
    QString reason;
    for (std::size_t tableRow = first; tableRow < m_table->rowCount(); ++tableRow) {
        Row row;
        reason.clear();
        if (!reader.read(tableRow, row, &reason)) {
            row.tableRow = std::uint32_t(tableRow);
            row.status = Status::Unreadable;
            m_problems.push_back({m_rows.size(), m_table->line(tableRow), reason});
        }
        m_rows.push_back(row);
    }
    markDuplicates(*root.mainLibrary());
}

QString CsvImportPlan::checkMapping() const {
    if (m_mapping.dateColumn == CsvRecordMapping::noColumn) {
        return tr("Choose the column that holds the dates.");
    }
    if (m_mapping.amountStyle == CsvRecordMapping::AmountStyle::OneColumn) {
        if (m_mapping.amountColumn == CsvRecordMapping::noColumn) {
            return tr("Choose the column that holds the amounts.");
        }
    } else if (m_mapping.debitColumn == CsvRecordMapping::noColumn ||
               m_mapping.creditColumn == CsvRecordMapping::noColumn) {
        return tr("Choose the columns that hold the debits and the credits.");
    }
    if (m_table->rowCount() <= m_mapping.firstRecordRow()) {
        return m_mapping.hasHeader ? tr("The file holds no rows below its header.")
                                   : tr("The file holds no rows from the chosen line on.");
    }
    return QString();
}

void CsvImportPlan::markDuplicates(const Book& library) {
    // The rows by day and amount; the library's records are looked up in them
    // and only on a match are the comments compared.
    std::unordered_map<DayAndAmount, std::uint32_t, DayAndAmountHash> firstRow;
    std::vector<std::uint32_t> nextRow(m_rows.size(), std::uint32_t(-1));
    firstRow.reserve(m_rows.size());
    for (std::size_t i = m_rows.size(); i-- > 0;) {
        const Row& row = m_rows[i];
        if (row.status != Status::Unreadable) {
            const DayAndAmount key{row.julianDay, std::int16_t(row.amount.exponent()), row.amount.mantissa()};
            const auto [at, inserted] = firstRow.try_emplace(key, std::uint32_t(i));
            if (!inserted) {
                nextRow[i] = at->second;
                at->second = std::uint32_t(i);
            }
        }
    }
    if (firstRow.empty()) {
        return;
    }
    for (const IOPtr& record : library.records()) {
        const std::optional<Amount> amount = record->amount();
        if (!amount || !record->date().isValid()) {
            continue;
        }
        const DayAndAmount key{std::int32_t(record->date().toJulianDay()), std::int16_t(amount->exponent()),
                               amount->mantissa()};
        const auto found = firstRow.find(key);
        if (found == firstRow.end()) {
            continue;
        }
        for (std::uint32_t i = found->second; i != std::uint32_t(-1); i = nextRow[i]) {
            if (m_rows[i].status == Status::Ready && comment(i) == record->comment()) {
                m_rows[i].status = Status::Duplicate;
                ++m_duplicates;
            }
        }
    }
}

QStringView CsvImportPlan::comment(std::size_t row) const {
    return m_table->field(m_rows[row].tableRow, m_mapping.commentColumn);
}

QStringList CsvImportPlan::keywordNames(std::size_t row) const {
    QStringList names;
    const QStringView field = m_table->field(m_rows[row].tableRow, m_mapping.keywordsColumn);
    if (field.isEmpty()) {
        return names;
    }
    for (const QStringView part : field.tokenize(u';')) {
        const QString name = part.trimmed().toString();
        if (!name.isEmpty() && !names.contains(name)) {
            names.append(name);
        }
    }
    return names;
}

bool CsvImportPlan::isImported(std::size_t row) const {
    const Row& r = m_rows[row];
    return r.status == Status::Ready || (r.status == Status::Duplicate && r.ticked);
}

void CsvImportPlan::setDuplicateTicked(std::size_t row, bool ticked) {
    Row& r = m_rows[row];
    if (r.status != Status::Duplicate || r.ticked == ticked) {
        return;
    }
    r.ticked = ticked;
    m_tickedDuplicates += ticked ? 1 : std::size_t(-1);
}

std::size_t CsvImportPlan::importedCount() const {
    return m_rows.size() - m_problems.size() - m_duplicates + m_tickedDuplicates;
}

CsvImportPlan::Totals CsvImportPlan::totals() const {
    Totals totals;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (!isImported(row)) {
            continue;
        }
        const Amount& amount = m_rows[row].amount;
        (amount.sign() < 0 ? totals.outgoings : totals.incomings) += amount.toDouble();
        totals.decimals = std::max(totals.decimals, -amount.exponent());
    }
    return totals;
}

CsvImportPlan::Batch CsvImportPlan::makeRecords(const DataRoot& root) const {
    Batch batch;
    if (!canImport()) {
        return batch;
    }
    QHash<QString, KeywordPtr> keywords;
    for (const KeywordPtr& keyword : root.keywords()) {
        // The first of equal names, as the keyword list shows them.
        if (!keywords.contains(keyword->name())) {
            keywords.insert(keyword->name(), keyword);
        }
    }
    const CalendarDate now = CalendarDate::now();
    batch.records.reserve(importedCount());
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (!isImported(row)) {
            continue;
        }
        KeywordList carried;
        if (m_mapping.keywordsColumn != CsvRecordMapping::noColumn) {
            for (const QString& name : keywordNames(row)) {
                KeywordPtr& keyword = keywords[name];
                if (!keyword) {
                    keyword = Keyword::create(name);
                    batch.newKeywords.push_back(keyword);
                }
                carried.push_back(keyword);
            }
        }
        IOPtr record = IO::createWithTimeOfEntry(now);
        record->setAmount(m_rows[row].amount);
        record->setDate(day(row));
        record->setKeywords(std::move(carried));
        record->setComment(comment(row).toString());
        record->setIncludeInStats(m_rows[row].counted ? 1 : 0);
        batch.records.push_back(std::move(record));
    }
    return batch;
}
