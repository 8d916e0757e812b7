#pragma once

// Which records a report sums: outgoings (spending) or incomings (income).
// Both are summed as positive numbers.
enum class ReportSide { Spending, Income };

// The record's amount as the side sums it, or 0 when it belongs to the other side.
inline double sideAmount(double amount, ReportSide side) {
    if (side == ReportSide::Spending) {
        return amount < 0 ? -amount : 0.0;
    }
    return amount > 0 ? amount : 0.0;
}
