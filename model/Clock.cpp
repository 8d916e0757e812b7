#include "Clock.h"

std::optional<QDateTime>& Clock::fixed() {
    static std::optional<QDateTime> moment;
    return moment;
}

QDateTime Clock::now() {
    if (fixed()) {
        // Seen in the current zone, as a real "now" would be.
        return fixed()->toLocalTime();
    }
    return QDateTime::currentDateTime();
}

QDate Clock::today() {
    return now().date();
}

void Clock::setFixed(const QDateTime& moment) {
    fixed() = moment;
}

void Clock::reset() {
    fixed().reset();
}
