#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <ostream>
#include <vector>

// Readable failures: days as ISO dates.
inline std::ostream& operator<<(std::ostream& out, const QDate& day) {
    return out << (day.isValid() ? day.toString(Qt::ISODate).toStdString() : std::string("no day"));
}

// Texts a user may type where a day is asked for, and the day each of four
// locales must read from it, today being Wednesday, December 9, 2026. "-" is
// no day: the text is refused.
namespace TypedDays {

inline QDate today() {
    return QDate(2026, 12, 9);
}

inline const std::array<const char*, 4>& locales() {
    static const std::array<const char*, 4> names{"en_US", "en_GB", "de_DE", "ja_JP"};
    return names;
}

struct Case {
    const char* text;
    // In the order of locales().
    std::array<const char*, 4> days;

    QString typed() const { return QString::fromUtf8(text); }
    // Invalid where the text is no day in that locale.
    QDate dayIn(std::size_t locale) const { return QDate::fromString(QString::fromLatin1(days[locale]), Qt::ISODate); }
};

inline void PrintTo(const Case& typed, std::ostream* out) {
    *out << '"' << typed.text << '"';
}

inline const std::vector<Case>& cases() {
    static const char* const n = "2026-11-20";
    static const char* const x = "-";
    static const std::vector<Case> list{
        // Numbers in each locale's order.
        {"11/20/2026", {n, x, x, n}},
        {"20/11/2026", {x, n, n, x}},
        {"11/20/26", {n, x, x, x}},
        {"20/11/26", {x, n, n, "2020-11-26"}},
        {"11/20", {n, x, x, n}},
        {"20.11.2026", {x, n, n, x}},
        {"20.11.", {x, n, n, x}},
        {"20-11-2026", {x, n, n, x}},
        {"9/1/2026", {"2026-09-01", "2026-01-09", "2026-01-09", "2026-09-01"}},
        {"12/8/2026", {"2026-12-08", "2026-08-12", "2026-08-12", "2026-12-08"}},
        {"05/01/2026", {"2026-05-01", "2026-01-05", "2026-01-05", "2026-05-01"}},
        {"1/2/03", {"2003-01-02", "2003-02-01", "2003-02-01", x}},
        {"  11/20/2026  ", {n, x, x, n}},
        {"11 / 20 / 2026", {n, x, x, n}},
        // A year written first is followed by the month, everywhere.
        {"2026-11-20", {n, n, n, n}},
        {"2026/11/20", {n, n, n, n}},
        {"2026.11.20", {n, n, n, n}},
        {"2026-1-5", {"2026-01-05", "2026-01-05", "2026-01-05", "2026-01-05"}},
        {"２０２６／１１／２０", {n, n, n, n}},
        // Month names, English everywhere and German in German.
        {"20 Nov 2026", {n, n, n, n}},
        {"Nov 20, 2026", {n, n, n, n}},
        {"20 November 2026", {n, n, n, n}},
        {"20. Nov. 2026", {n, n, n, n}},
        {"20Nov2026", {n, n, n, n}},
        {"20th Nov 2026", {n, n, n, n}},
        {"November 20", {n, n, n, n}},
        {"20 Nov 26", {n, n, n, "2020-11-26"}},
        {"Sept 3 2026", {"2026-09-03", "2026-09-03", "2026-09-03", "2026-09-03"}},
        {"20. März 2026", {x, x, "2026-03-20", x}},
        {"20 Mär 2026", {x, x, "2026-03-20", x}},
        {"3. Dez. 2026", {x, x, "2026-12-03", x}},
        // Digits alone.
        {"11202026", {n, x, x, x}},
        {"20112026", {x, n, n, x}},
        {"20261120", {n, n, n, n}},
        {"112026", {n, x, x, x}},
        {"1120", {n, x, x, n}},
        // Words and marks.
        {"today", {"2026-12-09", "2026-12-09", "2026-12-09", "2026-12-09"}},
        {"Today", {"2026-12-09", "2026-12-09", "2026-12-09", "2026-12-09"}},
        {"yesterday", {"2026-12-08", "2026-12-08", "2026-12-08", "2026-12-08"}},
        {"今日", {"2026-12-09", "2026-12-09", "2026-12-09", "2026-12-09"}},
        {"昨日", {"2026-12-08", "2026-12-08", "2026-12-08", "2026-12-08"}},
        {"2026年11月20日", {n, n, n, n}},
        {"11月20日", {n, n, n, n}},
        // What is left out makes the nearest day; so does a two-digit year.
        {"12/8", {"2026-12-08", "2026-08-12", "2026-08-12", "2026-12-08"}},
        {"1/5", {"2027-01-05", "2027-05-01", "2027-05-01", "2027-01-05"}},
        {"20", {"2026-12-20", "2026-12-20", "2026-12-20", "2026-12-20"}},
        {"12/31/75", {"2075-12-31", x, x, x}},
        {"2/29/2028", {"2028-02-29", x, x, "2028-02-29"}},
        {"29.2.2028", {x, "2028-02-29", "2028-02-29", x}},
        // No day at all.
        {"2/29/2027", {x, x, x, x}},
        {"11/31/2026", {x, x, x, x}},
        {"13/13/2026", {x, x, x, x}},
        {"0/5/2026", {x, x, x, x}},
        {"11/20/226", {x, x, x, x}},
        {"11/20/02026", {x, x, x, x}},
        {"11/20/2026/5", {x, x, x, x}},
        {"Nov 2026", {x, x, x, x}},
        {"hello", {x, x, x, x}},
        {"tomorrow", {x, x, x, x}},
        {"11/20/2026 x", {x, x, x, x}},
        {"$20", {x, x, x, x}},
    };
    return list;
}

} // namespace TypedDays
