#include "Budget.h"

#include "SmartBook.h"

BudgetPtr Budget::create() {
    return std::make_shared<Budget>();
}

void Budget::setKeyword(KeywordPtr keyword) {
    m_keyword = std::move(keyword);
    m_smartBook.reset();
}

void Budget::setSmartBook(SmartBookPtr book) {
    m_smartBook = std::move(book);
    m_keyword.reset();
}

QString Budget::targetName() const {
    if (m_keyword) {
        return m_keyword->name();
    }
    return m_smartBook ? m_smartBook->bookName() : QString();
}

QDate Budget::firstDayOf(QDate day, Period period) {
    return period == Period::Month ? QDate(day.year(), day.month(), 1) : QDate(day.year(), 1, 1);
}

QDate Budget::lastDayOf(QDate day, Period period) {
    return period == Period::Month ? QDate(day.year(), day.month(), day.daysInMonth()) : QDate(day.year(), 12, 31);
}
