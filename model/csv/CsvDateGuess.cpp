#include "CsvDateGuess.h"

#include "CsvDateReader.h"
#include "CsvTable.h"

#include <algorithm>
#include <numeric>

namespace {

// The rows a first look reads, to try the likeliest formats first.
constexpr std::size_t firstLook = 50;

// "dMy" for "d/M/yyyy": the order of day, month and year in a format.
QString orderOf(const QString& format) {
    QString order;
    for (const QChar c : format) {
        const QChar part = c == u'y' ? u'y' : c == u'M' ? u'M' : c == u'd' ? u'd' : QChar();
        if (!part.isNull() && !order.contains(part)) {
            order.append(part);
        }
    }
    return order;
}

bool dayBeforeMonth(const QString& order) {
    return order.indexOf(u'd') < order.indexOf(u'M');
}

} // namespace

CsvDateGuess::CsvDateGuess(const CsvTable& table, int column, std::size_t firstRow)
    : CsvDateGuess(table, column, firstRow, CsvDateReader::commonFormats()) {}

CsvDateGuess::CsvDateGuess(const CsvTable& table, int column, std::size_t firstRow, const QStringList& formats) {
    if (firstRow >= table.rowCount()) {
        return;
    }
    // Formats that read most of the first rows go first, so that the others
    // are given up after as many misses as the best had.
    std::vector<std::size_t> missesAtFirst(std::size_t(formats.size()));
    for (qsizetype f = 0; f < formats.size(); ++f) {
        const CsvDateReader reader(formats[f]);
        const std::size_t end = std::min(table.rowCount(), firstRow + firstLook);
        for (std::size_t row = firstRow; row < end; ++row) {
            missesAtFirst[std::size_t(f)] += reader.read(table.field(row, column), nullptr).isValid() ? 0 : 1;
        }
    }
    std::vector<std::size_t> order(missesAtFirst.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return missesAtFirst[a] < missesAtFirst[b]; });

    const std::size_t rows = table.rowCount() - firstRow;
    std::size_t fewestMissing = rows;
    std::vector<std::pair<std::size_t, Reading>> found;
    for (const std::size_t f : order) {
        std::size_t missing = 0;
        std::vector<std::int64_t> days =
            daysIn(table, column, firstRow, formats[qsizetype(f)], fewestMissing, &missing);
        if (missing > fewestMissing || missing == rows) {
            continue;
        }
        if (missing < fewestMissing) {
            fewestMissing = missing;
            found.clear();
        }
        found.push_back({f, Reading{formats[qsizetype(f)], std::move(days), false}});
    }
    // In the order offered; a format that gives the same days as one before it adds nothing.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& entry : found) {
        Reading& reading = entry.second;
        const bool same = std::any_of(m_found.begin(), m_found.end(),
                                      [&](const Reading& other) { return other.days == reading.days; });
        if (!same) {
            reading.inOrder = inOrder(reading.days);
            m_readings.append(reading.format);
            m_found.push_back(std::move(reading));
        }
    }
    if (m_found.size() > 1) {
        // The first day that every reading reads, but not as the same day.
        for (std::size_t i = 0; i < rows; ++i) {
            const std::int64_t day = m_found[0].days[i];
            const bool allRead = std::all_of(m_found.begin(), m_found.end(),
                                             [&](const Reading& reading) { return reading.days[i] != noDay; });
            const bool differs = std::any_of(m_found.begin() + 1, m_found.end(),
                                             [&](const Reading& other) { return other.days[i] != day; });
            if (allRead && differs) {
                m_sampleRow = firstRow + i;
                m_sampleText = table.field(m_sampleRow, column).trimmed().toString();
                break;
            }
        }
        // Readings that agree on every day they both read differ only in the
        // rows they miss: no day reads two ways, the first is the reading.
        if (m_sampleText.isEmpty()) {
            m_found.resize(1);
            m_readings = QStringList{m_found[0].format};
        }
    }
}

std::vector<std::int64_t> CsvDateGuess::daysIn(const CsvTable& table, int column, std::size_t firstRow,
                                               const QString& format, std::size_t mostMissing, std::size_t* missing) {
    const CsvDateReader reader(format);
    std::vector<std::int64_t> days;
    days.reserve(table.rowCount() - firstRow);
    *missing = 0;
    for (std::size_t row = firstRow; row < table.rowCount(); ++row) {
        const QDate day = reader.read(table.field(row, column), nullptr);
        days.push_back(day.isValid() ? day.toJulianDay() : noDay);
        *missing += day.isValid() ? 0 : 1;
        if (*missing > mostMissing) {
            break;
        }
    }
    return days;
}

bool CsvDateGuess::inOrder(const std::vector<std::int64_t>& days) {
    bool forward = true;
    bool backward = true;
    std::int64_t previous = noDay;
    for (const std::int64_t day : days) {
        if (day == noDay) {
            continue;
        }
        if (previous != noDay) {
            forward = forward && day >= previous;
            backward = backward && day <= previous;
        }
        previous = day;
    }
    return forward || backward;
}

bool CsvDateGuess::inOrder(const CsvTable& table, int column, std::size_t firstRow, const QString& format) {
    if (firstRow >= table.rowCount()) {
        return true;
    }
    std::size_t missing = 0;
    return inOrder(daysIn(table, column, firstRow, format, table.rowCount(), &missing));
}

bool CsvDateGuess::inOrder(const QString& reading) const {
    const auto found =
        std::find_if(m_found.begin(), m_found.end(), [&](const Reading& r) { return r.format == reading; });
    return found != m_found.end() && found->inOrder;
}

QString CsvDateGuess::orderedInstead(const QString& format) const {
    const auto chosen =
        std::find_if(m_found.begin(), m_found.end(), [&](const Reading& r) { return r.format == format; });
    if (chosen == m_found.end() || chosen->inOrder) {
        return QString();
    }
    for (const Reading& reading : m_found) {
        if (reading.format != format && reading.inOrder) {
            return reading.format;
        }
    }
    return QString();
}

QString CsvDateGuess::preferred(const QLocale& locale) const {
    if (m_readings.isEmpty()) {
        return QString();
    }
    const QString localOrder = orderOf(locale.dateFormat(QLocale::ShortFormat));
    for (const QString& reading : m_readings) {
        if (orderOf(reading) == localOrder) {
            return reading;
        }
    }
    for (const QString& reading : m_readings) {
        if (dayBeforeMonth(orderOf(reading)) == dayBeforeMonth(localOrder)) {
            return reading;
        }
    }
    return m_readings.first();
}
