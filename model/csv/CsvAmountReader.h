#pragma once

#include "Amount.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

// Reads the amounts banks and spreadsheets write: "-1,234.50", "1.234,50",
// "(12.00)" for an outgoing, "¥1,200", "1 234,5 €", digits of any script.
// Anything that is not plainly one amount is refused with a reason:
// "1,234.5.6", "1e999", "12,34" when the point is the decimal mark.
class CsvAmountReader {
    Q_DECLARE_TR_FUNCTIONS(CsvAmountReader)

public:
    enum class DecimalMark { Point, Comma };

    explicit CsvAmountReader(DecimalMark mark = DecimalMark::Point)
        : m_mark(mark) {}

    DecimalMark decimalMark() const { return m_mark; }
    // Empty text gives nothing and no error.
    std::optional<Amount> read(QStringView text, QString* error) const;

private:
    // The digits, with the decimal mark as a point, or empty when the text is not one number.
    QVarLengthArray<char, 64> plainDigits(QStringView number) const;

    DecimalMark m_mark;
};
