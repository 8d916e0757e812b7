#pragma once

#include "LedgerFormat.h"

#include <QObject>

class Book;
class QLabel;

// The statistics under the record table: incomings, outgoings and balance of
// the listed records that count, as whole numbers, and the book's record
// count. A sum too large to hold every whole number is marked as approximate.
class StatsBoxController : public QObject {
    Q_OBJECT

public:
    StatsBoxController(QLabel* incomingsLabel, QLabel* outgoingsLabel, QLabel* balanceLabel, QLabel* recordCountLabel,
                       QObject* parent = nullptr);

    void reloadStats(const Book& book);

private:
    void showSum(QLabel* label, double sum) const;

    QLabel* m_incomingsLabel;
    QLabel* m_outgoingsLabel;
    QLabel* m_balanceLabel;
    QLabel* m_recordCountLabel;
    LedgerFormat m_format;
};
