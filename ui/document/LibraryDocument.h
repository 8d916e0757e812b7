#pragma once

#include "Budget.h"
#include "Condition.h"
#include "DataRoot.h"
#include "KeywordRule.h"
#include "RecordRevision.h"
#include "RecurringRecord.h"
#include "SmartBook.h"

#include <QDate>
#include <QObject>
#include <QUndoStack>

#include <atomic>
#include <optional>

class DocumentCommand;

// The one owner of every change a user makes to the library. Each change is
// a command on the undo stack; doing, undoing and redoing it are framed by
// aboutToChange() and changed(), with the typed signals in between saying
// what changed. Windows call these operations and never change the library's
// books, records or keywords themselves. A call that would change nothing
// (records a book does not hold, a name or tree as it is) makes no step.
class LibraryDocument : public QObject {
    Q_OBJECT

public:
    // What a change touches, told before it happens.
    struct Change {
        enum Kind {
            Records,          // records added to or taken out of books
            Fields,           // fields of records: `field` says which
            Books,            // books added, removed, renamed or given new conditions
            Keywords,         // keywords added, renamed or removed (records may show them)
            Library,          // another library took the place of this one: every book, record and keyword is new
            KeywordRules,     // rules added, edited, moved, enabled or removed
            RecurringRecords, // recurring records added, edited or removed
            Budgets,          // budgets added, edited or removed
        };
        Kind kind = Records;
        RecordRevision::Field field = RecordRevision::Date;
    };

    explicit LibraryDocument(DataRootPtr root, QObject* parent = nullptr);
    ~LibraryDocument() override;

    const DataRootPtr& root() const { return m_root; }
    QUndoStack* undoStack() { return &m_undoStack; }

    // A change that takes this many records out of a main library of
    // `libraryCount` asks first: more than a tenth of it, or more than
    // mostRecordsUnasked. A single record never asks; undo brings any back.
    static constexpr std::size_t mostRecordsUnasked = 1000;
    static bool isLargeRemoval(std::size_t removed, std::size_t libraryCount) {
        return removed > 1 && (removed * 10 > libraryCount || removed > mostRecordsUnasked);
    }

    // Something the file does not hold yet: a change since the last save, or
    // a book sorted in another order (no change to undo, but kept in the file).
    bool isModified() const { return !m_undoStack.isClean() || m_orderChanged; }
    // The library as it stands is what the file holds.
    void setSaved();

    // Where the library stood when a save began to read it.
    struct SaveMark {
        int index = -1;
        std::uint64_t revision = 0;
    };
    SaveMark saveMark() const { return {m_undoStack.index(), m_revision}; }
    // The save that began at `mark` has written the library: it is saved if
    // nothing changed since. A change made while the save ran stays unsaved.
    // True when the library is marked saved.
    bool setSaved(const SaveMark& mark);

    // Held by whatever reads the library on another thread (a save), from
    // before that thread starts until it has read its last; ended by end()
    // on that thread. Every change waits at aboutToTouch() for such a reader
    // to finish, and kesh stops when one that did not wait finds it still
    // reading: the save would write a library torn by the change.
    class Reading {
    public:
        explicit Reading(LibraryDocument& document);
        Reading(Reading&& other) noexcept;
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;
        Reading& operator=(Reading&&) = delete;
        ~Reading() { end(); }
        void end();

    private:
        LibraryDocument* m_document;
    };
    bool isBeingRead() const { return m_readers.load(std::memory_order_acquire) > 0; }

    // The books, records and keywords of `other` take the place of the
    // library's own, in one change that undo takes back; `other` is left
    // empty. Its records are new objects: nothing of the library before is in it.
    void replaceLibrary(DataRoot& other, const QString& text);

    // Into the main library.
    void enterRecord(const IOPtr& record);
    void importRecords(const IOList& records);
    // With the keywords the records carry that the library lacks: they join
    // the keyword list in the same change, and leave it when it is undone.
    void importRecords(const IOList& records, const KeywordList& newKeywords);
    // From the main library: the records leave every book. From a plain book:
    // they leave that book only. A smart book's records follow its conditions:
    // false, and nothing changes.
    bool deleteRecords(const BookPtr& book, const IOList& records);
    // Adds the records the book does not hold yet (a drop); false for the main
    // library, which holds every record already.
    bool addRecordsToBook(const BookPtr& book, const IOList& records);

    void setDate(const IOPtr& record, QDate day);
    void setAmount(const IOPtr& record, const std::optional<Amount>& amount);
    void setComment(const IOPtr& record, const QString& comment);
    void setIncludeInStats(const IOPtr& record, std::int8_t include);
    // Ticks (`carried`) or clears the keyword on every one of the records.
    void setKeyword(const KeywordPtr& keyword, const IOList& records, bool carried);

    // A plain book named "Untitled".
    BookPtr addPlainBook();
    void addPlainBook(const BookPtr& book);
    void addSmartBook(const SmartBookPtr& book);
    // An empty name changes nothing (false).
    bool renameBook(const BookPtr& book, const QString& name);
    // The main library stays.
    void deleteBook(const BookPtr& book);
    void setConditions(const SmartBookPtr& book, ConditionPtr conditions);

    // Not changes, so nothing to undo; they reorder or refill lists of the
    // library all the same, and wait for a save reading it elsewhere.
    void sortBook(const BookPtr& book, const SortDescriptorList& descriptors);
    // The book made ready to show: a smart book recomputed from the main
    // library, the book sorted, its filtered list made for the search.
    void refreshBook(const BookPtr& book, const QString& searchKey, const KeywordList& keywords,
                     const DayRange& days = DayRange());

    // A keyword named "Untitled", at the end of the list.
    KeywordPtr addKeyword();
    void renameKeyword(const KeywordPtr& keyword, const QString& name);
    // From the keyword list and from every record of the main library.
    void deleteKeywords(const KeywordList& keywords);

    // The keyword rules. A rule whose values are as given makes no step (false).
    void addKeywordRule(const KeywordRulePtr& rule);
    void removeKeywordRule(const KeywordRulePtr& rule);
    bool editKeywordRule(const KeywordRulePtr& rule, const QString& name, ConditionPtr conditions,
                         const KeywordList& keywords);
    bool editKeywordRule(const KeywordRulePtr& rule, const QString& name, bool enabled, ConditionPtr conditions,
                         const KeywordList& keywords);
    bool setKeywordRuleEnabled(const KeywordRulePtr& rule, bool enabled);
    // To place `to` of the list (in range); false when it stands there or is not a rule of the library.
    bool moveKeywordRule(const KeywordRulePtr& rule, std::size_t to);
    // Gives the records the keywords of the enabled rules that match them, in
    // one change; the number of records that gained a keyword.
    std::size_t applyKeywordRules(const IOList& records);

    // The recurring records. An edit to the values the record has makes no step (false).
    void addRecurringRecord(const RecurringRecordPtr& record);
    void removeRecurringRecord(const RecurringRecordPtr& record);
    // Takes the template and the rule of `values`; the last entered day stays.
    bool editRecurringRecord(const RecurringRecordPtr& record, const RecurringRecord& values);
    // The records the recurring records would enter up to `today`, not entered.
    IOList dueRecurringRecords(QDate today) const;
    // Enters them into the main library in one change that also moves each
    // one's last entered day to `today`; the records entered.
    IOList enterDueRecurringRecords(QDate today);
    // The budgets. A budget given the values it has makes no step (false);
    // one without a keyword or smart book is not added.
    bool addBudget(const BudgetPtr& budget);
    void removeBudget(const BudgetPtr& budget);
    bool editBudget(const BudgetPtr& budget, const KeywordPtr& keyword, const SmartBookPtr& smartBook,
                    const Amount& amount, Budget::Period period);

signals:
    // Before anything on this thread changes the library, even what is no
    // change to undo (a sort, a refresh): whatever reads the library on
    // another thread, a save, must finish first.
    void aboutToTouch();
    void aboutToChange(const LibraryDocument::Change& change);
    void changed();
    // A book was given another order: no change to undo, but one to save.
    void orderChanged(const BookPtr& book);

    void recordsAdded(const BookPtr& book, const IOList& records);
    void recordsRemoved(const BookPtr& book, const IOList& records);
    void recordsChanged(const IOList& records, RecordRevision::Field field);
    void bookAdded(const BookPtr& book);
    void bookRemoved(const BookPtr& book);
    // The book lists are sorted by name again.
    void bookRenamed(const BookPtr& book);
    void conditionsChanged(const SmartBookPtr& book);
    void keywordAdded(const KeywordPtr& keyword);
    void keywordRenamed(const KeywordPtr& keyword);
    void keywordsRemoved(const KeywordList& keywords);
    // The list of keyword rules, or a rule in it, changed.
    void keywordRulesChanged();
    // The list of recurring records, or one of them, changed: its values or its last entered day.
    void recurringRecordsChanged();
    // The list of budgets, or a budget in it, changed.
    void budgetsChanged();

private:
    friend class DocumentCommand;

    // Every change of the library, undoable or not, begins here: whatever
    // reads it on another thread finishes first. `what` names the change if
    // kesh must stop.
    void touch(const QString& what);
    // After a change: a save that began before it did not write it.
    void noteChange() { ++m_revision; }

    void push(DocumentCommand* command);
    // The records not in the main library yet, each once.
    IOList newToLibrary(const IOList& records) const;
    static QString importText(std::size_t count);
    // What `today` brings: the records, and the recurring records that make them.
    IOList dueRecords(QDate today, RecurringRecordList* makers) const;

    DataRootPtr m_root;
    QUndoStack m_undoStack;
    bool m_orderChanged = false;
    // Changes made, done, undone or redone, and orders changed; a merged
    // edit changes the library without moving the stack's index.
    std::uint64_t m_revision = 0;
    std::atomic<int> m_readers{0};
};
