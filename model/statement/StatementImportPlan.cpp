#include "StatementImportPlan.h"

#include "CsvDayAmountIndex.h"
#include "KeywordRuleMatcher.h"

#include <QHash>
#include <QSet>

#include <algorithm>

StatementImportPlan::StatementImportPlan(std::vector<StatementTransaction> transactions, std::vector<Problem> problems,
                                         const CsvKnownRecords& library)
    : m_problems(std::move(problems)) {
    m_rows.reserve(transactions.size());
    for (StatementTransaction& transaction : transactions) {
        m_rows.push_back({std::move(transaction), Status::Ready, true});
    }
    m_counts[std::size_t(Status::Ready)] = m_rows.size();
    markDuplicates(library);
}

StatementImportPlan::StatementImportPlan(std::vector<StatementTransaction> transactions, std::vector<Problem> problems,
                                         const DataRoot& root)
    : StatementImportPlan(std::move(transactions), std::move(problems), CsvKnownRecords(*root.mainLibrary())) {}

void StatementImportPlan::mark(std::size_t row, Status status) {
    Row& r = m_rows[row];
    --m_counts[std::size_t(r.status)];
    ++m_counts[std::size_t(status)];
    r.status = status;
    r.imported = status != Status::Duplicate;
}

void StatementImportPlan::markDuplicates(const CsvKnownRecords& library) {
    using Key = CsvDayAmountIndex::Key;
    const auto keyOf = [](const StatementTransaction& t, int days = 0) {
        return Key{std::int32_t(t.day.toJulianDay() + days), std::int16_t(t.amount.exponent()), t.amount.mantissa()};
    };
    // The rows by id and by day and amount; the library's records are looked up in them.
    QHash<QString, std::uint32_t> rowsById;
    CsvDayAmountIndex rows(m_rows.size());
    for (std::size_t i = m_rows.size(); i-- > 0;) {
        const StatementTransaction& t = m_rows[i].transaction;
        rows.add(keyOf(t), std::uint32_t(i));
        if (!t.bankId.isEmpty()) {
            rowsById.insert(t.bankId, std::uint32_t(i));
        }
    }
    // An id given twice in one file is one transaction.
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const QString& id = m_rows[i].transaction.bankId;
        if (!id.isEmpty() && rowsById.value(id) != i) {
            mark(i, Status::Duplicate);
        }
    }
    if (m_rows.empty()) {
        return;
    }
    // Ids set apart a record and a row that carry different ones.
    const auto mayBeSame = [](const StatementTransaction& t, const CsvKnownRecords::Record& record) {
        return t.bankId.isEmpty() || record.bankId.isEmpty();
    };
    const std::vector<CsvKnownRecords::Record>& records = library.records();
    std::vector<bool> used(records.size(), false);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const CsvKnownRecords::Record& record = records[r];
        if (!record.bankId.isEmpty() && !rowsById.isEmpty()) {
            const auto found = rowsById.constFind(record.bankId);
            if (found != rowsById.constEnd()) {
                if (m_rows[found.value()].status == Status::Ready) {
                    mark(found.value(), Status::Duplicate);
                }
                used[r] = true;
                continue;
            }
        }
        for (std::uint32_t i = rows.find({record.julianDay, record.exponent, record.mantissa});
             i != CsvDayAmountIndex::none; i = rows.next(i)) {
            const StatementTransaction& t = m_rows[i].transaction;
            if (m_rows[i].status == Status::Ready && mayBeSame(t, record) && t.comment == record.comment) {
                mark(i, Status::Duplicate);
                used[r] = true;
                break;
            }
        }
    }
    if (m_counts[std::size_t(Status::Ready)] == 0) {
        return;
    }
    // Most records have no amount of any row: one bit says so before six looks by day.
    std::vector<bool> amounts(std::size_t(1) << 18, false);
    const auto amountBit = [&amounts](std::int64_t mantissa, int exponent) {
        const auto hash = (std::uint64_t(mantissa) * 0x9E3779B97F4A7C15ull) ^ std::uint64_t(exponent);
        return std::size_t(hash >> 46) & (amounts.size() - 1);
    };
    for (const Row& row : m_rows) {
        if (row.status == Status::Ready) {
            amounts[amountBit(row.transaction.amount.mantissa(), row.transaction.amount.exponent())] = true;
        }
    }
    for (std::size_t r = 0; r < records.size(); ++r) {
        const CsvKnownRecords::Record& record = records[r];
        if (used[r] || !amounts[amountBit(record.mantissa, record.exponent)]) {
            continue;
        }
        bool found = false;
        for (int days = -possibleDays; days <= possibleDays && !found; ++days) {
            if (days == 0) {
                continue;
            }
            for (std::uint32_t i = rows.find({record.julianDay + days, record.exponent, record.mantissa});
                 i != CsvDayAmountIndex::none; i = rows.next(i)) {
                const StatementTransaction& t = m_rows[i].transaction;
                if (m_rows[i].status == Status::Ready && mayBeSame(t, record) && t.comment == record.comment) {
                    mark(i, Status::PossibleDuplicate);
                    found = true;
                    break;
                }
            }
        }
    }
}

void StatementImportPlan::setImported(std::size_t row, bool imported) {
    Row& r = m_rows[row];
    if (r.status != Status::Ready) {
        r.imported = imported;
    }
}

std::size_t StatementImportPlan::importedCount() const {
    return std::size_t(std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.imported; }));
}

StatementImportPlan::Batch StatementImportPlan::makeRecords(const DataRoot& root, bool applyRules) const {
    Batch batch;
    QHash<QString, KeywordPtr> keywords;
    QSet<const Keyword*> listed;
    for (const KeywordPtr& keyword : root.keywords()) {
        listed.insert(keyword.get());
        // The first of equal names, as the keyword list shows them.
        if (!keywords.contains(keyword->name())) {
            keywords.insert(keyword->name(), keyword);
        }
    }
    const KeywordRuleMatcher matcher(root);
    const CalendarDate now = CalendarDate::now();
    for (const Row& row : m_rows) {
        if (!row.imported) {
            continue;
        }
        const StatementTransaction& t = row.transaction;
        KeywordList carried;
        for (const QString& name : t.keywords) {
            KeywordPtr& keyword = keywords[name];
            if (!keyword) {
                keyword = Keyword::create(name);
                batch.newKeywords.push_back(keyword);
                listed.insert(keyword.get());
            }
            if (std::find(carried.begin(), carried.end(), keyword) == carried.end()) {
                carried.push_back(keyword);
            }
        }
        IOPtr record = IO::createWithTimeOfEntry(now);
        record->setAmount(t.amount);
        record->setDate(t.day);
        record->setKeywords(std::move(carried));
        record->setComment(t.comment);
        record->setIncludeInStats(1);
        record->setBankId(t.bankId);
        if (applyRules && matcher.hasRules()) {
            for (const KeywordPtr& keyword : matcher.match(*record).keywords) {
                record->addKeyword(keyword);
                // A rule may name a keyword deleted from the list since.
                if (!listed.contains(keyword.get())) {
                    listed.insert(keyword.get());
                    batch.newKeywords.push_back(keyword);
                }
            }
        }
        batch.records.push_back(std::move(record));
    }
    return batch;
}
