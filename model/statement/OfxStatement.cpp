#include "OfxStatement.h"

#include "QifReader.h"

namespace {

QString commentOf(const OfxStatement::Transaction& t, OfxStatement::CommentSource source) {
    switch (source) {
    case OfxStatement::CommentSource::Name:
        return t.name.trimmed();
    case OfxStatement::CommentSource::Memo:
        return t.memo.trimmed();
    case OfxStatement::CommentSource::NameAndMemo:
        break;
    }
    return QifReader::commentOf(t.name, t.memo);
}

} // namespace

std::vector<StatementTransaction> OfxStatement::transactionsOf(const Account& account, DaySource days,
                                                               CommentSource comments) {
    std::vector<StatementTransaction> transactions;
    transactions.reserve(account.transactions.size());
    for (const Transaction& t : account.transactions) {
        const QDate day = days == DaySource::UserWhenGiven && t.user.isValid() ? t.user : t.posted;
        QString id;
        if (!t.fitId.isEmpty()) {
            id = account.accountId.isEmpty() ? t.fitId : account.accountId + u'#' + t.fitId;
        }
        transactions.push_back({t.line, day, t.amount, commentOf(t, comments), {}, id});
    }
    return transactions;
}
