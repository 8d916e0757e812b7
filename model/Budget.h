#pragma once

#include "Amount.h"
#include "Keyword.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

class Budget;
class SmartBook;
using BudgetPtr = std::shared_ptr<Budget>;
using BudgetList = std::vector<BudgetPtr>;
using SmartBookPtr = std::shared_ptr<SmartBook>;

// An amount that may be spent per month or per year on the records of one
// keyword or of one smart book. The keyword or book is the library's own
// object, shared by identity; a budget whose keyword or book was deleted
// keeps it, so undoing the deletion finds the budget whole.
class Budget {
public:
    enum class Period : quint8 { Month = 0, Year = 1 };
    static constexpr quint8 lastPeriod = quint8(Period::Year);

    Budget() = default;
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;

    static BudgetPtr create();

    // One of the two, or neither for a budget not yet given one.
    const KeywordPtr& keyword() const { return m_keyword; }
    const SmartBookPtr& smartBook() const { return m_smartBook; }
    // Either replaces the other.
    void setKeyword(KeywordPtr keyword);
    void setSmartBook(SmartBookPtr book);

    const Amount& amount() const { return m_amount; }
    void setAmount(const Amount& amount) { m_amount = amount; }
    Period period() const { return m_period; }
    void setPeriod(Period period) { m_period = period; }

    // The keyword's or the book's name, empty without either.
    QString targetName() const;

    // The first and last day of the period that holds `day`.
    static QDate firstDayOf(QDate day, Period period);
    static QDate lastDayOf(QDate day, Period period);

private:
    KeywordPtr m_keyword;
    SmartBookPtr m_smartBook;
    Amount m_amount;
    Period m_period = Period::Month;
};
