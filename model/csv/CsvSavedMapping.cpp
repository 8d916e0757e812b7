#include "CsvSavedMapping.h"

#include "CsvReader.h"

namespace {

// The names the values are kept under; a later version adds names and never
// gives an old one another meaning.
const QString versionKey = QStringLiteral("version");
const QString nameKey = QStringLiteral("name");
const QString separatorKey = QStringLiteral("separator");
const QString columnCountKey = QStringLiteral("columnCount");
const QString headerNamesKey = QStringLiteral("headerNames");
const QString encodingKey = QStringLiteral("encoding");
const QString hasHeaderKey = QStringLiteral("hasHeader");
const QString dateColumnKey = QStringLiteral("dateColumn");
const QString dateFormatKey = QStringLiteral("dateFormat");
const QString amountStyleKey = QStringLiteral("amountStyle");
const QString amountColumnKey = QStringLiteral("amountColumn");
const QString debitColumnKey = QStringLiteral("debitColumn");
const QString creditColumnKey = QStringLiteral("creditColumn");
const QString decimalMarkKey = QStringLiteral("decimalMark");
const QString commentColumnKey = QStringLiteral("commentColumn");
const QString keywordsColumnKey = QStringLiteral("keywordsColumn");
const QString countedColumnKey = QStringLiteral("countedColumn");
const QString idColumnKey = QStringLiteral("idColumn");
const QString textGuardedKey = QStringLiteral("textGuarded");
const QString startRowKey = QStringLiteral("startRow");
const QString amountSignKey = QStringLiteral("amountSign");
const QString keywordsToAddKey = QStringLiteral("keywordsToAdd");

const QString oneColumn = QStringLiteral("oneColumn");
const QString debitAndCredit = QStringLiteral("debitAndCredit");
const QString point = QStringLiteral("point");
const QString comma = QStringLiteral("comma");
const QString outgoingsNegative = QStringLiteral("outgoingsNegative");
const QString outgoingsPositive = QStringLiteral("outgoingsPositive");

// Title lines a statement may have above its table; a start further down is
// taken for a store edited by hand.
constexpr int mostTitleRows = 1000;

// A column the shape has, or none; a store edited by hand may hold anything.
int columnIn(const QVariantMap& map, const QString& key, int columnCount) {
    bool ok = false;
    const int column = map.value(key).toInt(&ok);
    return ok && column >= 0 && column < columnCount ? column : CsvRecordMapping::noColumn;
}

} // namespace

QVariantMap CsvSavedMapping::toMap() const {
    QVariantMap map;
    map.insert(versionKey, version);
    map.insert(nameKey, name);
    map.insert(separatorKey, QString(shape.separator));
    map.insert(columnCountKey, shape.columnCount);
    map.insert(headerNamesKey, shape.headerNames);
    map.insert(startRowKey, qulonglong(shape.startRow));
    map.insert(encodingKey, QString::fromLatin1(CsvEncoding::converterName(encoding)));
    map.insert(hasHeaderKey, mapping.hasHeader);
    map.insert(dateColumnKey, mapping.dateColumn);
    map.insert(dateFormatKey, mapping.dateFormat);
    map.insert(amountStyleKey,
               mapping.amountStyle == CsvRecordMapping::AmountStyle::OneColumn ? oneColumn : debitAndCredit);
    map.insert(amountSignKey, mapping.amountSign == CsvRecordMapping::AmountSign::OutgoingsPositive
                                  ? outgoingsPositive
                                  : outgoingsNegative);
    map.insert(amountColumnKey, mapping.amountColumn);
    map.insert(debitColumnKey, mapping.debitColumn);
    map.insert(creditColumnKey, mapping.creditColumn);
    map.insert(decimalMarkKey, mapping.decimalMark == CsvAmountReader::DecimalMark::Point ? point : comma);
    map.insert(commentColumnKey, mapping.commentColumn);
    map.insert(keywordsColumnKey, mapping.keywordsColumn);
    map.insert(countedColumnKey, mapping.countedColumn);
    map.insert(idColumnKey, mapping.idColumn);
    map.insert(textGuardedKey, mapping.textGuarded);
    map.insert(keywordsToAddKey, mapping.keywordsToAdd);
    return map;
}

std::optional<CsvSavedMapping> CsvSavedMapping::fromMap(const QVariantMap& map) {
    CsvSavedMapping saved;
    saved.name = map.value(nameKey).toString().trimmed();
    const QString separator = map.value(separatorKey).toString();
    bool counted = false;
    saved.shape.columnCount = map.value(columnCountKey).toInt(&counted);
    if (!map.contains(versionKey) || saved.name.isEmpty() || separator.size() != 1 || !counted ||
        saved.shape.columnCount <= 0) {
        return std::nullopt;
    }
    saved.shape.separator = separator[0];
    saved.shape.headerNames = map.value(headerNamesKey).toStringList();
    bool startRead = false;
    const int startRow = map.value(startRowKey, 0).toInt(&startRead);
    if (!startRead || startRow < 0 || startRow > mostTitleRows) {
        return std::nullopt;
    }
    saved.shape.startRow = std::size_t(startRow);
    const QString encoding = map.value(encodingKey).toString();
    for (const CsvEncoding::Encoding candidate : CsvEncoding::all) {
        if (encoding == QLatin1StringView(CsvEncoding::converterName(candidate))) {
            saved.encoding = candidate;
        }
    }
    const int columns = saved.shape.columnCount;
    CsvRecordMapping& mapping = saved.mapping;
    mapping.startRow = saved.shape.startRow;
    mapping.hasHeader = map.value(hasHeaderKey).toBool();
    mapping.dateColumn = columnIn(map, dateColumnKey, columns);
    mapping.dateFormat = map.value(dateFormatKey, mapping.dateFormat).toString();
    mapping.amountStyle = map.value(amountStyleKey).toString() == debitAndCredit
                              ? CsvRecordMapping::AmountStyle::DebitAndCredit
                              : CsvRecordMapping::AmountStyle::OneColumn;
    mapping.amountSign = map.value(amountSignKey).toString() == outgoingsPositive
                             ? CsvRecordMapping::AmountSign::OutgoingsPositive
                             : CsvRecordMapping::AmountSign::OutgoingsNegative;
    mapping.amountColumn = columnIn(map, amountColumnKey, columns);
    mapping.debitColumn = columnIn(map, debitColumnKey, columns);
    mapping.creditColumn = columnIn(map, creditColumnKey, columns);
    mapping.decimalMark = map.value(decimalMarkKey).toString() == comma ? CsvAmountReader::DecimalMark::Comma
                                                                        : CsvAmountReader::DecimalMark::Point;
    mapping.commentColumn = columnIn(map, commentColumnKey, columns);
    mapping.keywordsColumn = columnIn(map, keywordsColumnKey, columns);
    mapping.countedColumn = columnIn(map, countedColumnKey, columns);
    mapping.idColumn = columnIn(map, idColumnKey, columns);
    mapping.textGuarded = map.value(textGuardedKey).toBool();
    mapping.keywordsToAdd = map.value(keywordsToAddKey).toStringList();
    return saved;
}

bool CsvSavedMapping::fits(QByteArrayView head, bool more) const {
    CsvReader reader;
    reader.setEncoding(encoding);
    reader.setSeparator(shape.separator);
    return reader.readHead(head, shape.startRow + 1, more) &&
           CsvFileShape::of(reader.table(), shape.separator, mapping) == shape;
}
