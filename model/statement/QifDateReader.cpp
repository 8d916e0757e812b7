#include "QifDateReader.h"

#include <algorithm>

namespace {

struct Parts {
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    // The mark before the last number was an apostrophe.
    bool apostropheYear = false;
};

bool split(QStringView text, Parts* parts) {
    int count = 0;
    bool inNumber = false;
    bool markSeen = false;
    QChar lastMark;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            if (!inNumber) {
                // Numbers stand apart by one mark; spaces only pad.
                if (count == 3 || (count > 0 && !markSeen)) {
                    return false;
                }
                parts->apostropheYear = count == 2 && lastMark == u'\'';
                ++count;
                inNumber = true;
                markSeen = false;
            }
            const int i = count - 1;
            if (++parts->digits[i] > 4) {
                return false;
            }
            parts->numbers[i] = parts->numbers[i] * 10 + (c.unicode() - u'0');
        } else if (c == u'/' || c == u'.' || c == u'-' || c == u'\'') {
            if (count == 0 || count == 3 || markSeen) {
                return false;
            }
            inNumber = false;
            markSeen = true;
            lastMark = c;
        } else if (c == u' ') {
            inNumber = false;
        } else {
            return false;
        }
    }
    return count == 3;
}

int fullYear(int year, int digits, bool apostrophe) {
    if (digits > 2) {
        return year;
    }
    if (apostrophe) {
        return 2000 + year;
    }
    return year < 50 ? 2000 + year : 1900 + year;
}

} // namespace

QDate QifDateReader::read(QStringView text, Order order, QString* error) {
    Parts parts;
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || !split(trimmed, &parts)) {
        if (error) {
            *error = tr("“%1” is not a date.").arg(trimmed.toString());
        }
        return QDate();
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts.digits[0] == 4) {
        year = parts.numbers[0];
        month = parts.numbers[1];
        day = parts.numbers[2];
    } else {
        const bool monthFirst = order == Order::MonthFirst;
        month = parts.numbers[monthFirst ? 0 : 1];
        day = parts.numbers[monthFirst ? 1 : 0];
        year = fullYear(parts.numbers[2], parts.digits[2], parts.apostropheYear);
    }
    const QDate date(year, month, day);
    if (!date.isValid() && error) {
        *error = tr("“%1” is no day that exists.").arg(trimmed.toString());
    }
    return date;
}

std::vector<QifDateReader::Order> QifDateReader::readings(const std::vector<QString>& texts) {
    std::vector<Order> orders;
    for (const Order order : {Order::MonthFirst, Order::DayFirst}) {
        const bool all = std::all_of(texts.begin(), texts.end(),
                                     [order](const QString& text) { return read(text, order).isValid(); });
        if (all) {
            orders.push_back(order);
        }
    }
    return orders;
}
