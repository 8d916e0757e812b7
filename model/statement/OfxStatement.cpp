#include "OfxStatement.h"

#include "QifReader.h"

std::vector<StatementTransaction> OfxStatement::transactionsOf(const Account& account, DaySource days) {
    std::vector<StatementTransaction> transactions;
    transactions.reserve(account.transactions.size());
    for (const Transaction& t : account.transactions) {
        const QDate day = days == DaySource::UserWhenGiven && t.user.isValid() ? t.user : t.posted;
        QString id;
        if (!t.fitId.isEmpty()) {
            id = account.accountId.isEmpty() ? t.fitId : account.accountId + u'#' + t.fitId;
        }
        transactions.push_back({t.line, day, t.amount, QifReader::commentOf(t.name, t.memo), {}, id});
    }
    return transactions;
}
