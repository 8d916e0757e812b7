#include "DataRoot.h"

#include "Budget.h"
#include "KeywordRule.h"
#include "LocalizedText.h"
#include "RecurringRecord.h"
#include "SmartBook.h"

#include <algorithm>

DataRoot::DataRoot()
    : m_keshVersion(Amount::fromInt(2))
    , m_mainLibrary(Book::create()) {
    m_mainLibrary->setBookName(LocalizedText::lookup(QStringLiteral("MainLibrary")));
}

DataRoot::~DataRoot() {
    // Book conditions may name their own smart book, or two books each other
    // (deleted ones too): drop the trees so such cycles are freed with the library.
    SmartBook::releaseTrees(m_smartBooks);
    // A budget may keep a deleted smart book.
    std::vector<SmartBookPtr> budgeted;
    for (const BudgetPtr& budget : m_budgets) {
        if (budget && budget->smartBook()) {
            budgeted.push_back(budget->smartBook());
        }
    }
    SmartBook::releaseTrees(budgeted);
}

DataRootPtr DataRoot::create() {
    return std::make_shared<DataRoot>();
}

void DataRoot::setSmartBooks(std::vector<SmartBookPtr> books) {
    m_smartBooks = std::move(books);
}

void DataRoot::setKeywordRules(KeywordRuleList rules) {
    m_keywordRules = std::move(rules);
}

void DataRoot::insertKeywordRule(std::size_t index, const KeywordRulePtr& rule) {
    m_keywordRules.insert(m_keywordRules.begin() + std::ptrdiff_t(std::min(index, m_keywordRules.size())), rule);
}

std::size_t DataRoot::indexOfKeywordRule(const KeywordRule* rule) const {
    const auto found = std::find_if(m_keywordRules.begin(), m_keywordRules.end(),
                                    [rule](const KeywordRulePtr& r) { return r.get() == rule; });
    return found == m_keywordRules.end() ? notFound : std::size_t(found - m_keywordRules.begin());
}

std::size_t DataRoot::removeKeywordRule(const KeywordRule* rule) {
    const std::size_t index = indexOfKeywordRule(rule);
    if (index != notFound) {
        m_keywordRules.erase(m_keywordRules.begin() + std::ptrdiff_t(index));
    }
    return index;
}

void DataRoot::setRecurringRecords(RecurringRecordList records) {
    m_recurringRecords = std::move(records);
}

void DataRoot::insertRecurringRecord(std::size_t index, const RecurringRecordPtr& record) {
    m_recurringRecords.insert(m_recurringRecords.begin() + std::ptrdiff_t(std::min(index, m_recurringRecords.size())),
                              record);
}

std::size_t DataRoot::indexOfRecurringRecord(const RecurringRecord* record) const {
    const auto found = std::find_if(m_recurringRecords.begin(), m_recurringRecords.end(),
                                    [record](const RecurringRecordPtr& r) { return r.get() == record; });
    return found == m_recurringRecords.end() ? notFound : std::size_t(found - m_recurringRecords.begin());
}

std::size_t DataRoot::removeRecurringRecord(const RecurringRecord* record) {
    const std::size_t index = indexOfRecurringRecord(record);
    if (index != notFound) {
        m_recurringRecords.erase(m_recurringRecords.begin() + std::ptrdiff_t(index));
    }
    return index;
}

void DataRoot::setBudgets(BudgetList budgets) {
    m_budgets = std::move(budgets);
}

void DataRoot::insertBudget(std::size_t index, const BudgetPtr& budget) {
    m_budgets.insert(m_budgets.begin() + std::ptrdiff_t(std::min(index, m_budgets.size())), budget);
}

std::size_t DataRoot::indexOfBudget(const Budget* budget) const {
    const auto found =
        std::find_if(m_budgets.begin(), m_budgets.end(), [budget](const BudgetPtr& b) { return b.get() == budget; });
    return found == m_budgets.end() ? notFound : std::size_t(found - m_budgets.begin());
}

std::size_t DataRoot::removeBudget(const Budget* budget) {
    const std::size_t index = indexOfBudget(budget);
    if (index != notFound) {
        m_budgets.erase(m_budgets.begin() + std::ptrdiff_t(index));
    }
    return index;
}

void DataRoot::addDumbBook(const BookPtr& book) {
    m_dumbBooks.push_back(book);
    sortLists();
}

void DataRoot::addSmartBook(const SmartBookPtr& book) {
    m_smartBooks.push_back(book);
    sortLists();
}

void DataRoot::addKeyword(const KeywordPtr& keyword) {
    m_keywords.push_back(keyword);
}

void DataRoot::insertKeyword(std::size_t index, const KeywordPtr& keyword) {
    m_keywords.insert(m_keywords.begin() + std::ptrdiff_t(std::min(index, m_keywords.size())), keyword);
}

std::size_t DataRoot::removeKeyword(const Keyword* keyword) {
    const auto found = std::find_if(m_keywords.begin(), m_keywords.end(),
                                    [keyword](const KeywordPtr& k) { return k.get() == keyword; });
    if (found == m_keywords.end()) {
        return notFound;
    }
    const auto index = std::size_t(found - m_keywords.begin());
    m_keywords.erase(found);
    return index;
}

std::size_t DataRoot::deleteBook(const Book* book) {
    if (book && book->isSmart()) {
        const auto found = std::find_if(m_smartBooks.begin(), m_smartBooks.end(),
                                        [book](const SmartBookPtr& b) { return b.get() == book; });
        if (found == m_smartBooks.end()) {
            return notFound;
        }
        // A deleted smart book is never refreshed again; dropping its tree
        // frees a tree that names the book itself. Its records stay for
        // conditions that still name it.
        (*found)->setConditions(nullptr);
        const auto index = std::size_t(found - m_smartBooks.begin());
        m_smartBooks.erase(found);
        return index;
    }
    const auto found =
        std::find_if(m_dumbBooks.begin(), m_dumbBooks.end(), [book](const BookPtr& b) { return b.get() == book; });
    if (found == m_dumbBooks.end()) {
        return notFound;
    }
    const auto index = std::size_t(found - m_dumbBooks.begin());
    m_dumbBooks.erase(found);
    return index;
}

namespace {
template <typename List, typename Item> void insertAt(List& list, std::size_t index, const Item& item) {
    list.insert(list.begin() + std::ptrdiff_t(std::min(index, list.size())), item);
}
} // namespace

// Inserted at its old place, then sorted stably: books of the same name keep
// the order they had, and a list renamed since still ends up in name order.
void DataRoot::insertDumbBook(std::size_t index, const BookPtr& book) {
    insertAt(m_dumbBooks, index, book);
    sortLists();
}

void DataRoot::insertSmartBook(std::size_t index, const SmartBookPtr& book) {
    insertAt(m_smartBooks, index, book);
    sortLists();
}

void DataRoot::deleteIO(const IO* record) {
    for (const BookPtr& book : m_dumbBooks) {
        book->removeObject(record);
    }
    for (const SmartBookPtr& book : m_smartBooks) {
        book->removeObject(record);
    }
    m_mainLibrary->removeObject(record);
}

void DataRoot::deleteIOs(const QSet<const IO*>& records) {
    for (const BookPtr& book : m_dumbBooks) {
        book->removeObjects(records);
    }
    for (const SmartBookPtr& book : m_smartBooks) {
        book->removeObjects(records);
    }
    m_mainLibrary->removeObjects(records);
}

BookPtr DataRoot::bookAtIndex(std::size_t index) const {
    if (index == 0) {
        return m_mainLibrary;
    }
    if (index <= m_smartBooks.size()) {
        return m_smartBooks[index - 1];
    }
    const std::size_t plain = index - m_smartBooks.size() - 1;
    return plain < m_dumbBooks.size() ? m_dumbBooks[plain] : nullptr;
}

std::size_t DataRoot::indexOfBook(const Book* book) const {
    for (std::size_t j = 0; j < m_smartBooks.size(); ++j) {
        if (m_smartBooks[j].get() == book) {
            return j + 1;
        }
    }
    for (std::size_t k = 0; k < m_dumbBooks.size(); ++k) {
        if (m_dumbBooks[k].get() == book) {
            return k + m_smartBooks.size() + 1;
        }
    }
    if (book && book == m_mainLibrary.get()) {
        return 0;
    }
    return notFound;
}

bool DataRoot::holdsBook(const Book* book) const {
    return book && (book == m_mainLibrary.get() || indexOfBook(book) != notFound);
}

void DataRoot::reloadSmartBook(SmartBook& book) const {
    book.reload(m_mainLibrary, [this](const Book* held) { return holdsBook(held); });
}

bool DataRoot::keywordWithNameExistsOtherThan(const QString& name, const Keyword* other) const {
    return std::any_of(m_keywords.begin(), m_keywords.end(),
                       [&](const KeywordPtr& k) { return k->name() == name && k.get() != other; });
}

void DataRoot::sortLists() {
    const auto byName = [](const auto& a, const auto& b) {
        return a->compare(*b) < 0;
    };
    std::stable_sort(m_dumbBooks.begin(), m_dumbBooks.end(), byName);
    std::stable_sort(m_smartBooks.begin(), m_smartBooks.end(), byName);
}
