#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringView>

#include <vector>

// Reads the days QIF writers write: "12/31'26", "12/31/2026", "31.12.2026",
// "2026-12-31", "1/ 2'26". A two-digit year after an apostrophe is of the
// 2000s, after another mark the nearest of 1950 to 2049. A four-digit year
// written first is followed by the month; otherwise whether the month or the
// day comes first is the file's order, which its days alone may not tell.
class QifDateReader {
    Q_DECLARE_TR_FUNCTIONS(QifDateReader)

public:
    enum class Order { MonthFirst, DayFirst };

    // An invalid date, with why in `error`, when the text is no day in that order.
    static QDate read(QStringView text, Order order, QString* error = nullptr);
    // The orders in which every text reads; both when the days do not tell
    // them apart, none when no order reads them all.
    static std::vector<Order> readings(const std::vector<QString>& texts);
};
