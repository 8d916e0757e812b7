#pragma once

#include "Amount.h"
#include "StatementTransaction.h"

#include <QDate>
#include <QString>

#include <vector>

// What an OFX or QFX file says of its accounts: each statement's account and
// its transactions, as the file gives them.
struct OfxStatement {
    struct Transaction {
        qint64 line = 0;
        QString type;
        // Unique within its account only.
        QString fitId;
        QDate posted;
        // The day the user made it, when the bank tells it.
        QDate user;
        Amount amount;
        QString name;
        QString memo;
        QString checkNumber;
    };
    struct Account {
        qint64 line = 0;
        // Empty when the file does not say.
        QString bankId;
        QString accountId;
        QString type;
        QString currency;
        bool creditCard = false;
        QDate start;
        QDate end;
        std::vector<Transaction> transactions;
    };
    enum class DaySource { Posted, UserWhenGiven };
    // What the comment is made of; a memo that repeats the name is left out.
    enum class CommentSource { NameAndMemo, Name, Memo };

    std::vector<Account> accounts;

    // The account's transactions to plan: the comment of name and memo, the
    // bank id made of the account and the transaction id (a transaction id is
    // unique only within its account).
    static std::vector<StatementTransaction> transactionsOf(const Account& account, DaySource days = DaySource::Posted,
                                                            CommentSource comments = CommentSource::NameAndMemo);
};
