#pragma once

#include "QifDateReader.h"
#include "StatementTransaction.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Reads the bank, credit card and cash accounts of a QIF file: each item's
// day, amount (T, or U), payee, memo, categories, number, cleared mark and
// split lines (S, E, $). The items are kept as written; transactions() reads
// their days in the order the caller picks (readings() says which orders the
// file allows) and turns their categories into keywords. Nothing is dropped:
// an item that cannot be read, or of an account kind kesh does not import, is
// listed with its line and the reason.
class QifReader {
    Q_DECLARE_TR_FUNCTIONS(QifReader)

public:
    enum class AccountType { Bank, CreditCard, Cash };
    // Split items: one transaction with the total, or one per split line.
    enum class SplitMode { Total, PerSplit };

    struct Split {
        qint64 line = 0;
        QString category;
        QString memo;
        std::optional<Amount> amount;
    };
    struct Item {
        qint64 line = 0;
        AccountType account = AccountType::Bank;
        QString date;
        std::optional<Amount> amount;
        QString payee;
        QString memo;
        QString number;
        QString cleared;
        QStringList categories;
        std::vector<Split> splits;
    };
    struct Problem {
        qint64 line;
        QString reason;
    };
    struct Transactions {
        std::vector<StatementTransaction> transactions;
        std::vector<Problem> problems;
    };

    // False, with errorString(), when the bytes are no QIF file at all.
    bool read(QByteArrayView bytes);
    const QString& errorString() const { return m_error; }

    const std::vector<Item>& items() const { return m_items; }
    // Items skipped as they stand in the file: unreadable fields, other account kinds.
    const std::vector<Problem>& problems() const { return m_problems; }
    // The orders of day and month that read every item's day.
    std::vector<QifDateReader::Order> readings() const;
    // The items as transactions, with the reader's problems and those of
    // their days and amounts, in line order.
    Transactions transactions(QifDateReader::Order order, SplitMode mode) const;

    // The comment of a transaction of this payee and memo.
    static QString commentOf(const QString& payee, const QString& memo);
    // A category names a keyword; the split marker and empty ones name none.
    static std::optional<QString> keywordOf(const QString& category);

private:
    void readLines(const QString& text);
    bool readHeader(QStringView line, qint64 lineNumber);
    void readField(QChar code, const QString& value, qint64 lineNumber);
    void endItem(qint64 lineNumber);

    std::vector<Item> m_items;
    std::vector<Problem> m_problems;
    QString m_error;

    // While reading.
    enum class Section { None, Account, Transactions, Other };
    Section m_section = Section::None;
    QString m_sectionName;
    AccountType m_account = AccountType::Bank;
    std::optional<Item> m_item;
    QString m_itemProblem;
};
