#pragma once

#include "Amount.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// How the main window writes and reads dates, amounts and totals: in the
// user's locale, with four-digit years and at least the decimals the local
// currency uses.
class LedgerFormat {
public:
    explicit LedgerFormat(const QLocale& locale = QLocale());

    const QLocale& locale() const { return m_locale; }
    // The locale's short date format, with the year always in four digits.
    const QString& dateFormat() const { return m_dateFormat; }
    QString formatDate(QDate date) const;

    // Grouped, e.g. "-1,234.50"; an absent amount is empty.
    QString formatAmount(const std::optional<Amount>& amount) const;
    // Ungrouped, as the amount editor starts: "-1234.5".
    QString amountForEditing(const std::optional<Amount>& amount) const;
    // Reads what the user typed in the locale's notation ("1,234.50", "-20",
    // "+3.5"). Refuses anything that is not plainly one amount, with a message.
    std::optional<Amount> parseAmount(const QString& text, QString* error) const;

    // A sum as a whole number, truncated toward zero and grouped: 12.99 gives "12".
    QString formatWhole(double value) const;
    QString formatCount(qint64 count) const { return m_locale.toString(count); }

private:
    QString localDigits(QStringView asciiDigits) const;
    QString formatDecimal(const QString& plain, bool grouped) const;

    QLocale m_locale;
    QString m_dateFormat;
    int m_currencyDecimals = 2;
};
