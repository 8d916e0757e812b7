#pragma once

#include "Amount.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// How the main window writes and reads dates, amounts and totals: in the
// user's locale, with four-digit years and at least the decimals the local
// currency uses.
class LedgerFormat {
    Q_DECLARE_TR_FUNCTIONS(LedgerFormat)

public:
    // More decimals than this do not widen a column; such an amount shows its own.
    static constexpr int maxColumnDecimals = 6;

    explicit LedgerFormat(const QLocale& locale = QLocale());

    const QLocale& locale() const { return m_locale; }
    // The locale's short date format, with the year always in four digits.
    const QString& dateFormat() const { return m_dateFormat; }
    QString formatDate(QDate date) const;

    // Decimals the amount needs to be written exactly: 2 for 12.50, 0 for 1200.
    static int decimalsOf(const Amount& amount);
    // Decimals of a column whose amounts need up to `needed`: at least the
    // currency's, and cents stay cents even where the currency has none.
    int columnDecimals(int needed) const;
    // Grouped, with at least `decimals` decimals (the currency's when
    // negative), e.g. "-1,234.50"; an absent amount is empty.
    QString formatAmount(const std::optional<Amount>& amount, int decimals = -1) const;
    // The size of the amount in a few characters, for a cell too narrow to
    // hold it: "-1.23×10¹⁴".
    QString formatAmountShort(const Amount& amount) const;
    // Ungrouped, as the amount editor starts: "-1234.5".
    QString amountForEditing(const std::optional<Amount>& amount) const;
    // The one reader of every amount the user types, in the locale's notation
    // ("1,234.50", "-20", "+3.5", full-width digits too). Refuses anything that
    // is not plainly one amount, with a message that quotes what was typed and
    // says why it is no amount.
    std::optional<Amount> parseAmount(const QString& text, QString* error) const;
    // The same for a record's amount, which is money coming in or going out:
    // 0 is refused too.
    std::optional<Amount> parseRecordAmount(const QString& text, QString* error) const;

    // A sum rounded to `decimals` decimals and grouped however large: 103696.5
    // with 2 gives "103,696.50". Binary noise of the sum does not show.
    QString formatSum(double value, int decimals) const;
    // Whether the sum still holds every figure down to `decimals` decimals.
    static bool isExactSum(double value, int decimals);
    // The largest sum that does.
    static double largestExactSum(int decimals);

    // A sum as a whole number, truncated toward zero and grouped however
    // large: 12.99 gives "12".
    QString formatWhole(double value) const;
    // Whether the sum still holds every whole number: beyond 2^53 it does not.
    static bool isExactWhole(double value) { return isExactSum(value, 0); }
    QString formatCount(qint64 count) const { return m_locale.toString(count); }

private:
    // What the reader says of a text it refuses: what was typed, why it is no amount, and what would do.
    QString refusal(const QString& typed, const QString& why) const;
    // Why the text, with its digits and signs made plain, is no amount; empty when it is one.
    QString flawOf(const QString& text, QString* plain) const;
    // The length of a sign at the start of `text`, 0 for none.
    qsizetype signAt(QStringView text, bool* negative) const;
    QString localDigits(QStringView asciiDigits) const;
    // Groups a run of ASCII digits the locale's way, in local digits.
    QString groupedDigits(QStringView asciiDigits) const;
    QString formatDecimal(const QString& plain, bool grouped, int decimals) const;

    QLocale m_locale;
    QString m_dateFormat;
    int m_currencyDecimals = 2;
    // Digits in the last group and in every group before it: 3 and 3, or 3 and 2 in India.
    int m_firstGroup = 3;
    int m_otherGroups = 3;
};
