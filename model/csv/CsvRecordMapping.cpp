#include "CsvRecordMapping.h"

#include "CsvDateReader.h"
#include "CsvRecordWriter.h"
#include "CsvTable.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr std::size_t sampleRows = 50;

bool nameIsOneOf(QStringView name, std::initializer_list<const char16_t*> names) {
    const QString folded = name.trimmed().toString().toCaseFolded();
    return std::any_of(names.begin(), names.end(), [&](const char16_t* n) { return folded == QStringView(n); });
}

int columnNamed(const CsvTable& table, std::initializer_list<const char16_t*> names) {
    for (int column = 0; column < table.fieldCount(0); ++column) {
        if (nameIsOneOf(table.field(0, column), names)) {
            return column;
        }
    }
    return CsvRecordMapping::noColumn;
}

// How many of the sampled rows (from `first`) read in the column with this reader.
template <typename Reads> std::size_t readable(const CsvTable& table, std::size_t first, int column, Reads reads) {
    std::size_t count = 0;
    for (std::size_t row = first; row < std::min(table.rowCount(), first + sampleRows); ++row) {
        count += reads(table.field(row, column)) ? 1 : 0;
    }
    return count;
}

bool readsAsDate(QStringView text, const QString& format) {
    return CsvDateReader(format).read(text, nullptr).isValid();
}

bool readsAsAmount(QStringView text, CsvAmountReader::DecimalMark mark) {
    return CsvAmountReader(mark).read(text, nullptr).has_value();
}

// The format most rows of the column read in, or none.
QString bestDateFormat(const CsvTable& table, std::size_t first, int column) {
    QString best;
    std::size_t bestCount = 0;
    for (const QString& format : CsvRecordMapping::dateFormats()) {
        const CsvDateReader reader(format);
        const std::size_t count =
            readable(table, first, column, [&](QStringView text) { return reader.read(text, nullptr).isValid(); });
        if (count > bestCount) {
            best = format;
            bestCount = count;
        }
    }
    return best;
}

void guessFromNames(const CsvTable& table, CsvRecordMapping& mapping) {
    mapping.dateColumn = columnNamed(table, {u"date", u"day", u"datum", u"fecha", u"data", u"日付", u"年月日",
                                             u"取引日", u"利用日", u"ご利用日", u"お取引日", u"日時"});
    mapping.amountColumn = columnNamed(table, {u"amount", u"value", u"betrag", u"montant", u"importe", u"金額",
                                               u"利用金額", u"ご利用金額", u"取引金額"});
    mapping.debitColumn = columnNamed(table, {u"debit", u"withdrawal", u"withdrawals", u"paid out", u"soll", u"出金",
                                              u"出金金額", u"お引出し", u"引出額", u"支払金額", u"支出"});
    mapping.creditColumn = columnNamed(table, {u"credit", u"deposit", u"deposits", u"paid in", u"haben", u"入金",
                                               u"入金金額", u"お預入れ", u"預入額", u"入金額", u"収入"});
    mapping.commentColumn =
        columnNamed(table, {u"comment", u"description", u"memo", u"details", u"payee", u"text", u"verwendungszweck",
                            u"libellé", u"concepto", u"摘要", u"内容", u"お取引内容", u"取引内容", u"利用店名",
                            u"ご利用店名", u"備考", u"メモ"});
    mapping.keywordsColumn = columnNamed(table, {u"keywords", u"tags", u"category", u"キーワード", u"カテゴリ"});
    mapping.countedColumn = columnNamed(table, {u"counted"});
    mapping.idColumn = columnNamed(table, {u"transaction id", u"fitid"});
    if (mapping.amountColumn == CsvRecordMapping::noColumn && mapping.debitColumn != CsvRecordMapping::noColumn &&
        mapping.creditColumn != CsvRecordMapping::noColumn) {
        mapping.amountStyle = CsvRecordMapping::AmountStyle::DebitAndCredit;
    }
}

// Without names: the first column of days, the first of amounts after it,
// and the column of the longest texts for the comment.
void guessFromContents(const CsvTable& table, std::size_t first, CsvRecordMapping& mapping) {
    const std::size_t rows = std::min(table.rowCount() - first, sampleRows);
    for (int column = 0; column < table.columnCount(); ++column) {
        if (mapping.dateColumn == CsvRecordMapping::noColumn && !bestDateFormat(table, first, column).isEmpty() &&
            readable(table, first, column, [&](QStringView text) {
                return readsAsDate(text, bestDateFormat(table, first, column));
            }) == rows) {
            mapping.dateColumn = column;
        } else if (mapping.amountColumn == CsvRecordMapping::noColumn &&
                   readable(table, first, column, [](QStringView text) {
                       return readsAsAmount(text, CsvAmountReader::DecimalMark::Point) ||
                              readsAsAmount(text, CsvAmountReader::DecimalMark::Comma);
                   }) == rows) {
            mapping.amountColumn = column;
        }
    }
    qsizetype longest = 0;
    for (int column = 0; column < table.columnCount(); ++column) {
        if (column == mapping.dateColumn || column == mapping.amountColumn) {
            continue;
        }
        qsizetype length = 0;
        for (std::size_t row = first; row < first + rows; ++row) {
            length += table.field(row, column).size();
        }
        if (length > longest) {
            longest = length;
            mapping.commentColumn = column;
        }
    }
}

} // namespace

QStringList CsvRecordMapping::dateFormats() {
    return {QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy/M/d"),     QStringLiteral("d/M/yyyy"),
            QStringLiteral("M/d/yyyy"),   QStringLiteral("d.M.yyyy"),     QStringLiteral("d-M-yyyy"),
            QStringLiteral("yyyyMMdd"),   QStringLiteral("yyyy年M月d日"), QStringLiteral("yyyy.M.d")};
}

bool CsvRecordMapping::isKeshHeader(const CsvTable& table) {
    const QString names[] = {CsvRecordWriter::dateColumnName(), CsvRecordWriter::amountColumnName(),
                             CsvRecordWriter::commentColumnName(), CsvRecordWriter::keywordsColumnName(),
                             CsvRecordWriter::countedColumnName()};
    if (table.rowCount() == 0 || table.fieldCount(0) != int(std::size(names))) {
        return false;
    }
    for (int column = 0; column < table.fieldCount(0); ++column) {
        if (table.field(0, column) != names[column]) {
            return false;
        }
    }
    return true;
}

CsvRecordMapping CsvRecordMapping::guess(const CsvTable& table, QChar separator) {
    CsvRecordMapping mapping;
    if (table.rowCount() == 0) {
        return mapping;
    }
    guessFromNames(table, mapping);
    mapping.textGuarded = isKeshHeader(table);
    const bool named = mapping.dateColumn != noColumn || mapping.amountColumn != noColumn ||
                       mapping.debitColumn != noColumn || mapping.commentColumn != noColumn;
    mapping.hasHeader = named;
    if (!named) {
        mapping = CsvRecordMapping();
        // A first row unlike the rest names the columns.
        if (table.rowCount() > 1) {
            guessFromContents(table, 1, mapping);
            mapping.hasHeader =
                mapping.dateColumn != noColumn && !bestDateFormat(table, 1, mapping.dateColumn).isEmpty() &&
                !readsAsDate(table.field(0, mapping.dateColumn), bestDateFormat(table, 1, mapping.dateColumn));
        }
        if (!mapping.hasHeader) {
            mapping = CsvRecordMapping();
            guessFromContents(table, 0, mapping);
        }
    }
    const std::size_t first = mapping.hasHeader ? 1 : 0;
    if (first >= table.rowCount()) {
        return mapping;
    }
    if (mapping.dateColumn != noColumn) {
        const QString format = bestDateFormat(table, first, mapping.dateColumn);
        if (!format.isEmpty()) {
            mapping.dateFormat = format;
        }
    }
    // The decimal mark more of the amounts read with.
    std::size_t point = 0;
    std::size_t comma = 0;
    for (const int column : {mapping.amountColumn, mapping.debitColumn, mapping.creditColumn}) {
        if (column != noColumn) {
            point += readable(table, first, column, [](QStringView text) {
                return readsAsAmount(text, CsvAmountReader::DecimalMark::Point);
            });
            comma += readable(table, first, column, [](QStringView text) {
                return readsAsAmount(text, CsvAmountReader::DecimalMark::Comma);
            });
        }
    }
    const bool commaFirst = comma > point || (comma == point && separator == u';');
    mapping.decimalMark = commaFirst ? CsvAmountReader::DecimalMark::Comma : CsvAmountReader::DecimalMark::Point;
    return mapping;
}
