#pragma once

#include <QDateTime>

#include <optional>

// The one source of "now" for the model. Tests fix it so that day rules and
// relative date conditions give the same answers at any hour.
class Clock {
public:
    static QDateTime now();
    static QDate today();

    static void setFixed(const QDateTime& moment);
    static void reset();

private:
    static std::optional<QDateTime>& fixed();
};
