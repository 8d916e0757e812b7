#include "CsvRecordWriter.h"

#include "CsvWriter.h"
#include "RecordPrefetch.h"
#include "RegularFile.h"

#include <QSaveFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace {

// "2026-03-09": the ISO 8601 day, written without a string per record.
QLatin1StringView isoDay(QDate day, std::array<char, 16>& out) {
    if (!day.isValid() || day.year() < 1 || day.year() > 9999) {
        return {};
    }
    int y = day.year();
    for (int i = 3; i >= 0; --i, y /= 10) {
        out[std::size_t(i)] = char('0' + y % 10);
    }
    out[4] = '-';
    out[5] = char('0' + day.month() / 10);
    out[6] = char('0' + day.month() % 10);
    out[7] = '-';
    out[8] = char('0' + day.day() / 10);
    out[9] = char('0' + day.day() % 10);
    return QLatin1StringView(out.data(), 10);
}

// The amount's exact plain decimal, as Amount::toString() writes it.
QLatin1StringView plainDecimal(const Amount& amount, std::array<char, 448>& out) {
    char* p = out.data();
    std::int64_t mantissa = amount.mantissa();
    if (mantissa < 0) {
        *p++ = '-';
        mantissa = -mantissa;
    }
    std::array<char, 24> digits{};
    const char* const digitsStart = digits.data();
    const char* digitsEnd = std::to_chars(digits.data(), digits.data() + digits.size(), mantissa).ptr;
    const int count = int(digitsEnd - digits.data());
    const int exponent = amount.exponent();
    if (exponent >= 0) {
        p = std::copy(digitsStart, digitsEnd, p);
        p = std::fill_n(p, exponent, '0');
    } else if (count > -exponent) {
        p = std::copy(digitsStart, digitsEnd + exponent, p);
        *p++ = '.';
        p = std::copy(digitsEnd + exponent, digitsEnd, p);
    } else {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -exponent - count, '0');
        p = std::copy(digitsStart, digitsEnd, p);
    }
    return QLatin1StringView(out.data(), p - out.data());
}

} // namespace

CsvRecordWriter::Options CsvRecordWriter::forSpreadsheets(QChar decimalMark, int decimals) {
    Options options;
    options.decimalMark = decimalMark == u',' ? u',' : u'.';
    options.separator = options.decimalMark == u',' ? u';' : u',';
    options.decimals = decimals;
    options.byteOrderMark = true;
    return options;
}

QLatin1StringView CsvRecordWriter::amountText(const Amount& amount, std::array<char, 448>& out) const {
    const QLatin1StringView plain = plainDecimal(amount, out);
    if (m_options.decimals <= 0 && m_options.decimalMark == u'.') {
        return plain;
    }
    char* const begin = out.data();
    char* end = begin + plain.size();
    char* point = std::find(begin, end, '.');
    int decimals = point == end ? 0 : int(end - point - 1);
    if (point == end && m_options.decimals > 0) {
        *end++ = '.';
    }
    // Amounts have at most 400 digits: the padding fits.
    for (; decimals < m_options.decimals && end < begin + out.size(); ++decimals) {
        *end++ = '0';
    }
    if (point != end) {
        *point = m_options.decimalMark.toLatin1();
    }
    return QLatin1StringView(begin, end - begin);
}

bool CsvRecordWriter::write(const IOList& records, QIODevice* device) {
    m_error.clear();
    CsvWriter csv(device, m_options.separator);
    if (m_options.byteOrderMark) {
        csv.writeByteOrderMark();
    }
    csv.writeRow(
        {dateColumnName(), amountColumnName(), commentColumnName(), keywordsColumnName(), countedColumnName()});
    std::array<char, 16> day{};
    std::array<char, 448> amount{};
    QString keywords;
    for (std::size_t i = 0; i < records.size(); ++i) {
        RecordPrefetch::ahead(records, i);
        const IOPtr& record = records[i];
        csv.addPlainField(isoDay(record->date(), day));
        const std::optional<Amount> value = record->amount();
        csv.addPlainField(value ? amountText(*value, amount) : QLatin1StringView());
        csv.addTextField(record->comment());
        keywords.clear();
        for (const KeywordPtr& keyword : record->keywords()) {
            if (!keywords.isEmpty()) {
                keywords += keywordSeparator();
            }
            keywords += keyword->name();
        }
        csv.addTextField(keywords);
        csv.addPlainField(record->includeInStats() ? QLatin1StringView("true") : QLatin1StringView("false"));
        csv.endRow();
        if (csv.hasFailed()) {
            break;
        }
    }
    if (!csv.flush()) {
        m_error = csv.errorString();
        return false;
    }
    return true;
}

bool CsvRecordWriter::write(const IOList& records, const QString& filePath) {
    // Only a regular file is replaced: a device or a FIFO there stays what it is.
    RegularFile target;
    if (!target.check(filePath) && target.status() == RegularFile::Status::NotAFile) {
        m_error = target.errorString();
        return false;
    }
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    if (!write(records, &file)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}
