#pragma once

#include "IO.h"
#include "SortDescriptor.h"

#include <QList>
#include <QSet>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class Book;
using BookPtr = std::shared_ptr<Book>;

// A named, sorted list of records, plus the filtered list that the record
// table shows: the records that pass the current search key and keywords.
// Books hold references to records; a record may stand in many books.
class Book {
public:
    Book();
    virtual ~Book();
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;

    static BookPtr create();
    static SortDescriptorList defaultSortDescriptors();

    const QString& bookName() const { return m_bookName; }
    void setBookName(const QString& name);

    const IOList& records() const { return m_records; }
    // Takes the list as it is; the filtered list catches up at the next reload.
    void setRecords(IOList records);

    const SortDescriptorList& sortDescriptors() const { return m_sortDescriptors; }
    // A first key of "date" keeps only that key and adds "timeOfEntry" in the same
    // direction. Does not re-sort; an empty list keeps the current order.
    void setSortDescriptors(const SortDescriptorList& descriptors);

    const IOPtr& objectAtIndex(std::size_t index) const { return m_records[index]; }
    std::size_t count() const { return m_records.size(); }
    std::size_t filteredCount() const { return filteredList().size(); }
    const IOPtr& filteredObjectAtIndex(std::size_t index) const { return filteredList()[index]; }
    const IOList& filteredList() const { return m_filterActive ? m_filtered : m_records; }
    bool isFiltered() const { return m_filterActive; }

    // Adds the record unless present; the list stays in sort order.
    void addObject(const IOPtr& record);
    // Appends without sorting, for bulk loading; a later resort puts it in place.
    void appendObject(const IOPtr& record);
    void addObjectsFromArray(const IOList& records);
    // Ids of every record, in order: the payload of a record drag.
    QList<IORegistry::Id> recordsAsPointers() const;
    // Adds the live records the ids name; ids of no live record are skipped.
    void addObjectsFromArrayOfPointers(const QList<IORegistry::Id>& ids);
    void removeObject(const IO* record);
    void removeObject(const IOPtr& record) { removeObject(record.get()); }
    // Removes all of them in one pass over the list.
    void removeObjects(const QSet<const IO*>& records);
    bool includesObject(const IO* record) const;
    bool includesObject(const IOPtr& record) const { return includesObject(record.get()); }

    const QString& prevSearchKey() const { return m_prevSearchKey; }
    void setPrevSearchKey(const QString& key);
    void reloadFilteredListWithSearchKey(const QString& key, const KeywordList& keywords);

    void resort();
    // Name order: by character code, case-sensitive, canonically equivalent names equal.
    int compare(const Book& other) const;
    void deleteKeywords(const KeywordList& keywords);

    // Over the filtered list, counting only records included in the statistics.
    double totalIn() const { return totals().in; }
    double totalOut() const { return totals().out; }
    double total() const { return totals().balance; }

    // Name of the picture the book list shows beside the name.
    virtual QString image() const;
    // A smart book: its records follow its conditions, never the user's hand.
    virtual bool isSmart() const { return false; }

private:
    struct Totals {
        double in = 0.0;
        double out = 0.0;
        double balance = 0.0;
    };
    const Totals& totals() const;
    bool isSortedNow() const;
    void listChanged();
    void ensureMembers() const;

    QString m_bookName;
    IOList m_records;
    SortDescriptorList m_sortDescriptors;
    QString m_prevSearchKey;
    IOList m_filtered;
    bool m_filterActive = false;

    // The lists are in sort order as of this record revision (resort and ordered inserts).
    bool m_sorted = false;
    std::uint64_t m_sortedAtRevision = 0;
    // Counts structural changes of the lists, for the totals cache.
    std::uint64_t m_listVersion = 0;

    // Membership index for large books, built on first use.
    mutable std::unique_ptr<QSet<const IO*>> m_members;
    // The three totals come from one pass and stay valid until a record or a list changes.
    mutable Totals m_totals;
    mutable std::uint64_t m_totalsRevision = 0;
    mutable std::uint64_t m_totalsListVersion = ~std::uint64_t(0);
};
