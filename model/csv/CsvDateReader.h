#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Reads days in one format, as QDate::fromString() writes formats: "yyyy-MM-dd",
// "d/M/yyyy", "yyyy年M月d日", "d MMM yyyy", "dd.MM.yyyy HH:mm". Formats of
// numbers, month names and times are read here directly, a hundred thousand
// rows in a few milliseconds; others go to QDateTime. Days that do not exist,
// such as 31/02/2026, are refused.
//
// Statements often write the moment rather than the day: a format without a
// time also reads a time of day after the day ("2026-12-01 08:15:02",
// "2026-12-01T08:15Z", "01.12.2026 08:15", "12/01/2026 8:15 PM"). The day is
// the one written, in the time zone written or the local one; it is never
// moved into another zone.
class CsvDateReader {
    Q_DECLARE_TR_FUNCTIONS(CsvDateReader)

public:
    explicit CsvDateReader(const QString& format);

    // The formats statements write days in, most common first.
    static QStringList commonFormats();

    const QString& format() const { return m_format; }
    // An invalid date, with the reason in `error`, when the text is not a day in the format.
    QDate read(QStringView text, QString* error) const;

private:
    enum class Part {
        Year4,
        Year2,
        Month,
        MonthName,
        Day,
        Hour24,
        Hour12,
        Minute,
        Second,
        Fraction,
        AmPm,
        Zone,
        Literal
    };
    struct Token {
        Part part;
        // Fixed width (MM, dd, HH) or one or two digits (M, d, H).
        bool twoDigits = false;
        QString literal;
    };
    struct Moment {
        int year = 0;
        int month = 0;
        int day = 0;
    };

    bool compile();
    void addToken(Part part, bool twoDigits);
    void addLiteral(QStringView text);
    QDate readCompiled(QStringView text) const;
    bool readToken(std::size_t t, QStringView text, qsizetype* at, Moment* moment) const;
    qsizetype monthNameAt(QStringView text, int* month) const;

    QString m_format;
    std::vector<Token> m_tokens;
    bool m_compiled = false;
    bool m_hasTime = false;
    // Month names folded, longest first, with their months: English and the locale's.
    std::vector<std::pair<QString, int>> m_monthNames;
};
