#pragma once

#include "Amount.h"
#include "Book.h"
#include "Keyword.h"

#include <QSet>

#include <cstddef>
#include <memory>
#include <vector>

class SmartBook;
class DataRoot;
class KeywordRule;
class RecurringRecord;
class Budget;
using SmartBookPtr = std::shared_ptr<SmartBook>;
using KeywordRulePtr = std::shared_ptr<KeywordRule>;
using KeywordRuleList = std::vector<KeywordRulePtr>;
using RecurringRecordPtr = std::shared_ptr<RecurringRecord>;
using RecurringRecordList = std::vector<RecurringRecordPtr>;
using BudgetPtr = std::shared_ptr<Budget>;
using BudgetList = std::vector<BudgetPtr>;
using DataRootPtr = std::shared_ptr<DataRoot>;

// The one object that holds all of the user's data: the main library (every
// record), the plain books, the smart books and the keyword list. All books
// share one index space: 0 the main library, then the smart books, then the
// plain books.
class DataRoot {
public:
    static constexpr std::size_t notFound = 2147483647;

    // A fresh library: version 2, an empty main library named by the "MainLibrary" text.
    DataRoot();
    ~DataRoot();
    DataRoot(const DataRoot&) = delete;
    DataRoot& operator=(const DataRoot&) = delete;

    static DataRootPtr create();

    const Amount& keshVersion() const { return m_keshVersion; }
    void setKeshVersion(const Amount& version) { m_keshVersion = version; }

    const BookPtr& mainLibrary() const { return m_mainLibrary; }
    void setMainLibrary(BookPtr book) { m_mainLibrary = std::move(book); }
    const std::vector<BookPtr>& dumbBooks() const { return m_dumbBooks; }
    void setDumbBooks(std::vector<BookPtr> books) { m_dumbBooks = std::move(books); }
    const std::vector<SmartBookPtr>& smartBooks() const { return m_smartBooks; }
    void setSmartBooks(std::vector<SmartBookPtr> books);
    const KeywordList& keywords() const { return m_keywords; }
    void setKeywords(KeywordList keywords) { m_keywords = std::move(keywords); }

    // The rules that tag incoming records, in the order they are offered and applied.
    const KeywordRuleList& keywordRules() const { return m_keywordRules; }
    void setKeywordRules(KeywordRuleList rules);
    // At `index` (at the end when beyond it).
    void insertKeywordRule(std::size_t index, const KeywordRulePtr& rule);
    // Where the rule stood, or notFound.
    std::size_t removeKeywordRule(const KeywordRule* rule);
    std::size_t indexOfKeywordRule(const KeywordRule* rule) const;

    // The records entered again and again, in the order they were made.
    const RecurringRecordList& recurringRecords() const { return m_recurringRecords; }
    void setRecurringRecords(RecurringRecordList records);
    // At `index` (at the end when beyond it).
    void insertRecurringRecord(std::size_t index, const RecurringRecordPtr& record);
    // Where it stood, or notFound.
    std::size_t removeRecurringRecord(const RecurringRecord* record);
    std::size_t indexOfRecurringRecord(const RecurringRecord* record) const;
    // What may be spent per month or year on a keyword or smart book, in the order made.
    const BudgetList& budgets() const { return m_budgets; }
    void setBudgets(BudgetList budgets);
    // At `index` (at the end when beyond it).
    void insertBudget(std::size_t index, const BudgetPtr& budget);
    // Where the budget stood, or notFound.
    std::size_t removeBudget(const Budget* budget);
    std::size_t indexOfBudget(const Budget* budget) const;

    void addDumbBook(const BookPtr& book);
    void addSmartBook(const SmartBookPtr& book);
    // No sorting and no check for duplicates: unique names are the caller's concern.
    void addKeyword(const KeywordPtr& keyword);
    // Puts a keyword back at its place in the list (at the end when beyond it).
    void insertKeyword(std::size_t index, const KeywordPtr& keyword);
    // Takes the keyword out of the list; where it stood, or notFound. Records keep it.
    std::size_t removeKeyword(const Keyword* keyword);
    // Removes a smart or plain book; its records stay everywhere else. The main library stays.
    // Where the book stood in its list, or notFound.
    std::size_t deleteBook(const Book* book);
    // Puts a deleted book back where it stood in its list (at the end when
    // beyond it), before any book of the same name that stood after it.
    void insertDumbBook(std::size_t index, const BookPtr& book);
    void insertSmartBook(std::size_t index, const SmartBookPtr& book);
    // Removes the record from every book of the library.
    void deleteIO(const IO* record);
    // The same for many records, one pass per book.
    void deleteIOs(const QSet<const IO*>& records);

    std::size_t bookCount() const { return 1 + m_smartBooks.size() + m_dumbBooks.size(); }
    BookPtr bookAtIndex(std::size_t index) const;
    std::size_t indexOfBook(const Book* book) const;
    // The main library, or a smart or plain book of the library.
    bool holdsBook(const Book* book) const;
    // Recomputes a smart book from this library's records.
    void reloadSmartBook(SmartBook& book) const;
    bool keywordWithNameExistsOtherThan(const QString& name, const Keyword* other) const;
    // Sorts the plain and the smart books by name.
    void sortLists();

private:
    Amount m_keshVersion;
    BookPtr m_mainLibrary;
    std::vector<BookPtr> m_dumbBooks;
    std::vector<SmartBookPtr> m_smartBooks;
    KeywordList m_keywords;
    KeywordRuleList m_keywordRules;
    RecurringRecordList m_recurringRecords;
    BudgetList m_budgets;
};
