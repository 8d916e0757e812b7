#pragma once

#include "LedgerFormat.h"

#include <QObject>

class Book;
class QLabel;

// The statistics under the record table: incomings, outgoings and balance of
// the listed records that count, with the decimals of the amount column, and
// how many records the book lists of how many it holds. A sum too large to
// hold every figure it shows is marked as approximate.
class StatsBoxController : public QObject {
    Q_OBJECT

public:
    StatsBoxController(QLabel* incomingsLabel, QLabel* outgoingsLabel, QLabel* balanceLabel, QLabel* recordCountLabel,
                       QObject* parent = nullptr);

    // `decimals`: those the amount column writes every amount with.
    void reloadStats(const Book& book, int decimals);

private:
    void showSum(QLabel* label, double sum, int decimals) const;

    QLabel* m_incomingsLabel;
    QLabel* m_outgoingsLabel;
    QLabel* m_balanceLabel;
    QLabel* m_recordCountLabel;
    LedgerFormat m_format;
};
