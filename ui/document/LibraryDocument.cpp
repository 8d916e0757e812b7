#include "LibraryDocument.h"

#include "AddKeywordCommand.h"
#include "AddRecordsCommand.h"
#include "ApplyKeywordRulesCommand.h"
#include "BookPresenceCommand.h"
#include "BookValueCommands.h"
#include "BudgetPresenceCommand.h"
#include "DeleteKeywordsCommand.h"
#include "EditBudgetCommand.h"
#include "EditKeywordRuleCommand.h"
#include "EditRecurringRecordCommand.h"
#include "EnterRecurringRecordsCommand.h"
#include "ImportRecordsCommand.h"
#include "KeywordRuleMatcher.h"
#include "KeywordRulePresenceCommand.h"
#include "KeywordValueCommands.h"
#include "MoveKeywordRuleCommand.h"
#include "RecordPrefetch.h"
#include "RecordValueCommands.h"
#include "RecurringRecordPresenceCommand.h"
#include "RemoveRecordsCommand.h"
#include "ReplaceLibraryCommand.h"
#include "SetKeywordCommand.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <utility>

LibraryDocument::LibraryDocument(DataRootPtr root, QObject* parent)
    : QObject(parent)
    , m_root(std::move(root)) {}

// The commands go first: they hold books and records of the library.
LibraryDocument::~LibraryDocument() {
    m_undoStack.clear();
}

void LibraryDocument::push(DocumentCommand* command) {
    m_undoStack.push(command);
}

namespace {
// Each record once, in the given order, and only those `keep` accepts: a
// change names exactly what it changes, so that undoing it takes out or
// puts back nothing that was there before.
template <typename Keep> IOList distinctRecords(const IOList& records, Keep keep) {
    IOList kept;
    QSet<const IO*> seen;
    for (const IOPtr& record : records) {
        if (record && keep(record) && !seen.contains(record.get())) {
            seen.insert(record.get());
            kept.push_back(record);
        }
    }
    return kept;
}
} // namespace

void LibraryDocument::enterRecord(const IOPtr& record) {
    if (!record || m_root->mainLibrary()->includesObject(record)) {
        return;
    }
    push(new AddRecordsCommand(*this, m_root->mainLibrary(), {record}, tr("Enter Record")));
}

IOList LibraryDocument::newToLibrary(const IOList& records) const {
    const BookPtr& library = m_root->mainLibrary();
    return distinctRecords(records, [&library](const IOPtr& record) { return !library->includesObject(record); });
}

QString LibraryDocument::importText(std::size_t count) {
    return count == 1 ? tr("Import Record") : tr("Import %1 Records").arg(QLocale().toString(count));
}

void LibraryDocument::importRecords(const IOList& records) {
    IOList added = newToLibrary(records);
    if (added.empty()) {
        return;
    }
    const QString text = importText(added.size());
    push(new AddRecordsCommand(*this, m_root->mainLibrary(), std::move(added), text));
}

void LibraryDocument::importRecords(const IOList& records, const KeywordList& newKeywords) {
    IOList added = newToLibrary(records);
    if (added.empty()) {
        return;
    }
    // A keyword the library has already must not leave it when the import is undone.
    KeywordList keywords;
    for (const KeywordPtr& keyword : newKeywords) {
        const auto listed = [&keyword](const KeywordPtr& k) {
            return k == keyword;
        };
        if (keyword && std::none_of(m_root->keywords().begin(), m_root->keywords().end(), listed) &&
            std::none_of(keywords.begin(), keywords.end(), listed)) {
            keywords.push_back(keyword);
        }
    }
    const QString text = importText(added.size());
    push(new ImportRecordsCommand(*this, std::move(added), std::move(keywords), text));
}

bool LibraryDocument::deleteRecords(const BookPtr& book, const IOList& records) {
    if (!book || book->isSmart()) {
        return false;
    }
    const IOList held = distinctRecords(records, [&book](const IOPtr& record) { return book->includesObject(record); });
    if (held.empty()) {
        return true;
    }
    std::vector<BookPtr> books{book};
    if (book == m_root->mainLibrary()) {
        // Out of the whole library: every book that lists them lets go too.
        books.insert(books.end(), m_root->smartBooks().begin(), m_root->smartBooks().end());
        books.insert(books.end(), m_root->dumbBooks().begin(), m_root->dumbBooks().end());
    }
    const bool one = held.size() == 1;
    const QString count = QLocale().toString(held.size());
    QString text;
    if (book == m_root->mainLibrary()) {
        text = one ? tr("Delete Record") : tr("Delete %1 Records").arg(count);
    } else {
        text = one ? tr("Remove Record from “%1”").arg(book->bookName())
                   : tr("Remove %1 Records from “%2”").arg(count, book->bookName());
    }
    push(new RemoveRecordsCommand(*this, std::move(books), held, text));
    return true;
}

bool LibraryDocument::addRecordsToBook(const BookPtr& book, const IOList& records) {
    if (!book || book == m_root->mainLibrary()) {
        return false;
    }
    IOList added = distinctRecords(records, [&book](const IOPtr& record) { return !book->includesObject(record); });
    if (added.empty()) {
        return true;
    }
    const QString text = added.size() == 1
                             ? tr("Add Record to “%1”").arg(book->bookName())
                             : tr("Add %1 Records to “%2”").arg(QLocale().toString(added.size()), book->bookName());
    push(new AddRecordsCommand(*this, book, std::move(added), text));
    return true;
}

void LibraryDocument::setDate(const IOPtr& record, QDate day) {
    if (day.isValid() && day != record->date()) {
        push(new ChangeRecordDate(*this, {record}, day, tr("Change Date")));
    }
}

void LibraryDocument::setAmount(const IOPtr& record, const std::optional<Amount>& amount) {
    if (amount != record->amount()) {
        push(new ChangeRecordAmount(*this, {record}, amount, tr("Change Amount")));
    }
}

void LibraryDocument::setComment(const IOPtr& record, const QString& comment) {
    if (comment != record->comment()) {
        push(new ChangeRecordComment(*this, {record}, comment, tr("Change Comment")));
    }
}

void LibraryDocument::setIncludeInStats(const IOPtr& record, std::int8_t include) {
    if (include == record->includeInStats()) {
        return;
    }
    const QString text = include ? tr("Count in Totals") : tr("Leave out of Totals");
    push(new ChangeRecordIncluded(*this, {record}, include, text));
}

void LibraryDocument::setKeyword(const KeywordPtr& keyword, const IOList& records, bool carried) {
    const QString text =
        carried ? tr("Add Keyword “%1”").arg(keyword->name()) : tr("Remove Keyword “%1”").arg(keyword->name());
    auto command = std::make_unique<SetKeywordCommand>(*this, keyword, records, carried, text);
    if (command->changesAnything()) {
        push(command.release());
    }
}

BookPtr LibraryDocument::addPlainBook() {
    const BookPtr book = Book::create();
    addPlainBook(book);
    return book;
}

void LibraryDocument::addPlainBook(const BookPtr& book) {
    if (!book || book->isSmart() || m_root->holdsBook(book.get())) {
        return;
    }
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Add, tr("New Book")));
}

void LibraryDocument::addSmartBook(const SmartBookPtr& book) {
    if (!book || m_root->holdsBook(book.get())) {
        return;
    }
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Add, tr("New Smart Book")));
}

bool LibraryDocument::renameBook(const BookPtr& book, const QString& name) {
    if (name.isEmpty()) {
        return false;
    }
    if (name != book->bookName()) {
        push(new RenameBook(*this, book, name, tr("Rename Book")));
    }
    return true;
}

void LibraryDocument::deleteBook(const BookPtr& book) {
    if (!book || book == m_root->mainLibrary() || m_root->indexOfBook(book.get()) == DataRoot::notFound) {
        return;
    }
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Delete,
                                 tr("Delete Book “%1”").arg(book->bookName())));
}

void LibraryDocument::setConditions(const SmartBookPtr& book, ConditionPtr conditions) {
    const ConditionPtr& old = book->conditions();
    // The editor builds a new tree on every OK, also when nothing was edited.
    const bool same = conditions == old || (conditions && old && conditions->sameAs(*old));
    if (!same) {
        push(new SetConditions(*this, book, conditions, tr("Change Conditions")));
    }
}

void LibraryDocument::sortBook(const BookPtr& book, const SortDescriptorList& descriptors) {
    touch(QStringLiteral("sortBook"));
    const SortDescriptorList before = book->sortDescriptors();
    book->setSortDescriptors(descriptors);
    book->resort();
    if (book->sortDescriptors() != before) {
        m_orderChanged = true;
        noteChange();
        emit orderChanged(book);
    }
}

void LibraryDocument::setSaved() {
    m_undoStack.setClean();
    m_orderChanged = false;
}

bool LibraryDocument::setSaved(const SaveMark& mark) {
    // The stack marks its current index clean: only right while it is where the save began.
    if (m_undoStack.index() != mark.index || m_revision != mark.revision) {
        return false;
    }
    setSaved();
    return true;
}

LibraryDocument::Reading::Reading(LibraryDocument& document)
    : m_document(&document) {
    m_document->m_readers.fetch_add(1, std::memory_order_acq_rel);
}

LibraryDocument::Reading::Reading(Reading&& other) noexcept
    : m_document(std::exchange(other.m_document, nullptr)) {}

void LibraryDocument::Reading::end() {
    if (m_document) {
        m_document->m_readers.fetch_sub(1, std::memory_order_acq_rel);
        m_document = nullptr;
    }
}

void LibraryDocument::touch(const QString& what) {
    emit aboutToTouch();
    // Not compiled out in any build: a change that did not wait for the
    // reader would race with it, and what it writes could not be read back.
    if (isBeingRead()) {
        qFatal("kesh: \"%s\" changed the library while a save was reading it; every change must wait for "
               "the save at aboutToTouch()",
               qUtf8Printable(what));
    }
}

void LibraryDocument::replaceLibrary(DataRoot& other, const QString& text) {
    push(new ReplaceLibraryCommand(*this, other, text));
}

void LibraryDocument::refreshBook(const BookPtr& book, const QString& searchKey, const KeywordList& keywords,
                                  const DayRange& days) {
    touch(QStringLiteral("refreshBook"));
    if (book->isSmart()) {
        m_root->reloadSmartBook(static_cast<SmartBook&>(*book));
    }
    book->resort();
    book->reloadFilteredListWithSearchKey(searchKey, keywords, days);
}

KeywordPtr LibraryDocument::addKeyword() {
    const KeywordPtr keyword = Keyword::create();
    push(new AddKeywordCommand(*this, keyword, tr("New Keyword")));
    return keyword;
}

void LibraryDocument::renameKeyword(const KeywordPtr& keyword, const QString& name) {
    if (name != keyword->name()) {
        push(new RenameKeyword(*this, keyword, name, tr("Rename Keyword")));
    }
}

void LibraryDocument::deleteKeywords(const KeywordList& requested) {
    // Only keywords the library lists or a record carries: the others would be no change.
    KeywordList keywords;
    const IOList& records = m_root->mainLibrary()->records();
    for (const KeywordPtr& keyword : requested) {
        const auto same = [&keyword](const KeywordPtr& k) {
            return k == keyword;
        };
        if (!keyword || std::any_of(keywords.begin(), keywords.end(), same)) {
            continue;
        }
        if (std::any_of(m_root->keywords().begin(), m_root->keywords().end(), same) ||
            std::any_of(records.begin(), records.end(),
                        [&keyword](const IOPtr& r) { return r->includesKeyword(keyword.get()); })) {
            keywords.push_back(keyword);
        }
    }
    if (keywords.empty()) {
        return;
    }
    const QString text = keywords.size() == 1 ? tr("Delete Keyword “%1”").arg(keywords.front()->name())
                                              : tr("Delete %1 Keywords").arg(QLocale().toString(keywords.size()));
    push(new DeleteKeywordsCommand(*this, keywords, text));
}

bool LibraryDocument::addBudget(const BudgetPtr& budget) {
    if (!budget || (!budget->keyword() && !budget->smartBook()) ||
        m_root->indexOfBudget(budget.get()) != DataRoot::notFound) {
        return false;
    }
    push(new BudgetPresenceCommand(*this, budget, BudgetPresenceCommand::Action::Add, tr("New Budget")));
    return true;
}

void LibraryDocument::removeBudget(const BudgetPtr& budget) {
    if (budget && m_root->indexOfBudget(budget.get()) != DataRoot::notFound) {
        push(new BudgetPresenceCommand(*this, budget, BudgetPresenceCommand::Action::Remove,
                                       tr("Delete Budget “%1”").arg(budget->targetName())));
    }
}

bool LibraryDocument::editBudget(const BudgetPtr& budget, const KeywordPtr& keyword, const SmartBookPtr& smartBook,
                                 const Amount& amount, Budget::Period period) {
    if (!budget || (!keyword && !smartBook) || m_root->indexOfBudget(budget.get()) == DataRoot::notFound) {
        return false;
    }
    // A budget is for one of the two; a book given wins, as Budget::setSmartBook does.
    EditBudgetCommand::Values values{smartBook ? KeywordPtr() : keyword, smartBook, amount, period};
    if (values == EditBudgetCommand::valuesOf(*budget)) {
        return false;
    }
    const QString name = smartBook ? smartBook->bookName() : keyword->name();
    push(new EditBudgetCommand(*this, budget, std::move(values), tr("Edit Budget “%1”").arg(name)));
    return true;
}

void LibraryDocument::addKeywordRule(const KeywordRulePtr& rule) {
    if (rule && m_root->indexOfKeywordRule(rule.get()) == DataRoot::notFound) {
        push(new KeywordRulePresenceCommand(*this, rule, KeywordRulePresenceCommand::Action::Add,
                                            m_root->keywordRules().size(), tr("New Rule")));
    }
}

void LibraryDocument::removeKeywordRule(const KeywordRulePtr& rule) {
    if (rule && m_root->indexOfKeywordRule(rule.get()) != DataRoot::notFound) {
        push(new KeywordRulePresenceCommand(*this, rule, KeywordRulePresenceCommand::Action::Remove, 0,
                                            tr("Delete Rule “%1”").arg(rule->name())));
    }
}

bool LibraryDocument::editKeywordRule(const KeywordRulePtr& rule, const QString& name, ConditionPtr conditions,
                                      const KeywordList& keywords) {
    return rule && editKeywordRule(rule, name, rule->isEnabled(), std::move(conditions), keywords);
}

bool LibraryDocument::editKeywordRule(const KeywordRulePtr& rule, const QString& name, bool enabled,
                                      ConditionPtr conditions, const KeywordList& keywords) {
    if (!rule) {
        return false;
    }
    EditKeywordRuleCommand::Values values{name, enabled, std::move(conditions), keywords};
    if (values == EditKeywordRuleCommand::valuesOf(*rule)) {
        return false;
    }
    push(new EditKeywordRuleCommand(*this, rule, std::move(values), tr("Edit Rule “%1”").arg(name)));
    return true;
}

bool LibraryDocument::setKeywordRuleEnabled(const KeywordRulePtr& rule, bool enabled) {
    if (!rule || rule->isEnabled() == enabled) {
        return false;
    }
    EditKeywordRuleCommand::Values values = EditKeywordRuleCommand::valuesOf(*rule);
    values.enabled = enabled;
    const QString text = enabled ? tr("Enable Rule “%1”") : tr("Disable Rule “%1”");
    push(new EditKeywordRuleCommand(*this, rule, std::move(values), text.arg(rule->name())));
    return true;
}

bool LibraryDocument::moveKeywordRule(const KeywordRulePtr& rule, std::size_t to) {
    const std::size_t from = rule ? m_root->indexOfKeywordRule(rule.get()) : DataRoot::notFound;
    if (from == DataRoot::notFound || to >= m_root->keywordRules().size() || to == from) {
        return false;
    }
    push(new MoveKeywordRuleCommand(*this, from, to, tr("Move Rule “%1”").arg(rule->name())));
    return true;
}

std::size_t LibraryDocument::applyKeywordRules(const IOList& records) {
    std::vector<ApplyKeywordRulesCommand::Gain> gains;
    KeywordList newKeywords;
    {
        const KeywordRuleMatcher matcher(*m_root);
        if (!matcher.hasRules()) {
            return 0;
        }
        QSet<const IO*> seen;
        seen.reserve(qsizetype(records.size()));
        for (std::size_t i = 0; i < records.size(); ++i) {
            RecordPrefetch::ahead(records, i);
            const IOPtr& record = records[i];
            if (!record || seen.contains(record.get())) {
                continue;
            }
            seen.insert(record.get());
            KeywordRuleMatcher::Match match = matcher.match(*record);
            if (!match.keywords.empty()) {
                gains.push_back({record, std::move(match.keywords)});
            }
        }
    }
    if (gains.empty()) {
        return 0;
    }
    QSet<const Keyword*> listed;
    for (const KeywordPtr& keyword : m_root->keywords()) {
        listed.insert(keyword.get());
    }
    for (const auto& gain : gains) {
        for (const KeywordPtr& keyword : gain.keywords) {
            if (!listed.contains(keyword.get())) {
                listed.insert(keyword.get());
                newKeywords.push_back(keyword);
            }
        }
    }
    const std::size_t count = gains.size();
    push(new ApplyKeywordRulesCommand(*this, std::move(gains), std::move(newKeywords),
                                      tr("Apply Rules to %n Record(s)", nullptr, int(count))));
    return count;
}

void LibraryDocument::addRecurringRecord(const RecurringRecordPtr& record) {
    if (record && m_root->indexOfRecurringRecord(record.get()) == DataRoot::notFound) {
        push(new RecurringRecordPresenceCommand(*this, record, RecurringRecordPresenceCommand::Action::Add,
                                                tr("New Recurring Record")));
    }
}

void LibraryDocument::removeRecurringRecord(const RecurringRecordPtr& record) {
    if (record && m_root->indexOfRecurringRecord(record.get()) != DataRoot::notFound) {
        push(new RecurringRecordPresenceCommand(*this, record, RecurringRecordPresenceCommand::Action::Remove,
                                                tr("Delete Recurring Record “%1”").arg(record->comment())));
    }
}

bool LibraryDocument::editRecurringRecord(const RecurringRecordPtr& record, const RecurringRecord& values) {
    if (!record) {
        return false;
    }
    EditRecurringRecordCommand::Values wanted = EditRecurringRecordCommand::valuesOf(values);
    if (wanted == EditRecurringRecordCommand::valuesOf(*record)) {
        return false;
    }
    const QString text = tr("Edit Recurring Record “%1”").arg(wanted.comment);
    push(new EditRecurringRecordCommand(*this, record, std::move(wanted), text));
    return true;
}

IOList LibraryDocument::dueRecords(QDate today, RecurringRecordList* makers) const {
    QSet<const Keyword*> listed;
    for (const KeywordPtr& keyword : m_root->keywords()) {
        listed.insert(keyword.get());
    }
    IOList records;
    const CalendarDate madeAt = CalendarDate::now();
    for (const RecurringRecordPtr& recurring : m_root->recurringRecords()) {
        if (!recurring) {
            continue;
        }
        const QList<QDate> days = recurring->dueDays(today);
        for (const QDate day : days) {
            IOPtr record = recurring->makeRecord(day, madeAt);
            // A keyword deleted since the template was made is not brought back.
            for (const KeywordPtr& keyword : recurring->keywords()) {
                if (!listed.contains(keyword.get())) {
                    record->deleteKeyword(keyword.get());
                }
            }
            records.push_back(std::move(record));
        }
        if (!days.isEmpty() && makers) {
            makers->push_back(recurring);
        }
    }
    return records;
}

IOList LibraryDocument::dueRecurringRecords(QDate today) const {
    return dueRecords(today, nullptr);
}

IOList LibraryDocument::enterDueRecurringRecords(QDate today) {
    RecurringRecordList makers;
    IOList records = dueRecords(today, &makers);
    if (records.empty()) {
        return {};
    }
    std::vector<EnterRecurringRecordsCommand::Moved> moved;
    moved.reserve(makers.size());
    for (const RecurringRecordPtr& maker : makers) {
        moved.push_back({maker, today});
    }
    const QString text = tr("Enter %n Recurring Record(s)", nullptr, int(records.size()));
    push(new EnterRecurringRecordsCommand(*this, records, std::move(moved), text));
    return records;
}
