#pragma once

#include "Amount.h"

#include <QDate>
#include <QString>
#include <QStringList>

// One transaction of a bank statement, read and ready to plan: what a record
// would be made of, and the id the bank gave it when the statement has one.
struct StatementTransaction {
    // Where it starts in its file, for messages.
    qint64 line = 0;
    QDate day;
    Amount amount;
    QString comment;
    QStringList keywords;
    QString bankId;
};
