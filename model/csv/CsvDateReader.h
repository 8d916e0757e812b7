#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringView>

#include <vector>

// Reads days in one format, as QDate::fromString() writes formats: "yyyy-MM-dd",
// "d/M/yyyy", "yyyy年M月d日". Numeric formats are read here directly, a
// hundred thousand rows in a few milliseconds; others go to QDate. Days that
// do not exist, such as 31/02/2026, are refused.
class CsvDateReader {
    Q_DECLARE_TR_FUNCTIONS(CsvDateReader)

public:
    explicit CsvDateReader(const QString& format);

    const QString& format() const { return m_format; }
    // An invalid date, with the reason in `error`, when the text is not a day in the format.
    QDate read(QStringView text, QString* error) const;

private:
    enum class Part { Year4, Year2, Month, Day, Literal };
    struct Token {
        Part part;
        // Fixed width (MM, dd) or one or two digits (M, d).
        bool twoDigits = false;
        QString literal;
    };
    bool compile();
    QDate readNumeric(QStringView text) const;

    QString m_format;
    std::vector<Token> m_tokens;
    bool m_numeric = false;
};
