#pragma once

#include "LedgerFormat.h"

#include <QObject>

class Book;
class QLabel;

// The statistics under the record table: incomings, outgoings and balance of
// the listed records that count, as whole numbers, and the book's record count.
class StatsBoxController : public QObject {
    Q_OBJECT

public:
    StatsBoxController(QLabel* txtIn, QLabel* txtOut, QLabel* txtTotal, QLabel* txtNum, QObject* parent = nullptr);

    void reloadStats(const Book& book);

private:
    QLabel* m_txtIn;
    QLabel* m_txtOut;
    QLabel* m_txtTotal;
    QLabel* m_txtNum;
    LedgerFormat m_format;
};
