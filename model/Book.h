#pragma once

#include "DayRange.h"
#include "IO.h"
#include "RecordRevision.h"
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
    // The same for records picked, in order, from `source`: when that book is
    // sorted now in this book's order, so are they, and no sort is needed.
    void setRecordsPickedFrom(IOList records, const Book& source);

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
    // Every record, in order, held weakly: the payload of a record drag.
    IOWeakList recordsAsPointers() const;
    // Adds those of the records that still live; the others are skipped.
    void addObjectsFromArrayOfPointers(const IOWeakList& records);
    void removeObject(const IO* record);
    void removeObject(const IOPtr& record) { removeObject(record.get()); }
    // Removes all of them in one pass over the list.
    void removeObjects(const QSet<const IO*>& records);

    // A record taken out of the book, and where it stood.
    struct Placed {
        std::size_t index;
        IOPtr record;
    };
    // Takes the records out in one pass and says where each stood, in list order.
    std::vector<Placed> takeObjects(const QSet<const IO*>& records);
    // Puts records back where takeObjects() found them. When the list has
    // changed since (`recordsVersion()` is no longer `versionAfterTake`), they
    // go back to the same places and the book counts as unsorted.
    void putBackObjects(const std::vector<Placed>& placed, std::uint64_t versionAfterTake);
    // Counts every change of the record list: members or order.
    std::uint64_t recordsVersion() const { return m_recordsVersion; }
    bool includesObject(const IO* record) const;
    bool includesObject(const IOPtr& record) const { return includesObject(record.get()); }

    const QString& prevSearchKey() const { return m_prevSearchKey; }
    void setPrevSearchKey(const QString& key);
    // Nothing is searched again while the key, the keywords, the days, the
    // records and the comments, keywords and days they carry are what the
    // list was made from. A range of days lists only the records within it.
    void reloadFilteredListWithSearchKey(const QString& key, const KeywordList& keywords,
                                         const DayRange& days = DayRange());

    // Sorts unless the book is in order already: no record was added out of
    // order and no field it is sorted by has changed since the last sort.
    void resort();
    bool isSortedNow() const;
    // Whether a change of this field can move records of this book.
    bool isOrderedBy(RecordRevision::Field field) const;
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
    // Puts the records appended after the first `sortedCount`, which are in order, in their places.
    void mergeAppended(std::size_t sortedCount);
    struct Totals {
        double in = 0.0;
        double out = 0.0;
        double balance = 0.0;
    };
    const Totals& totals() const;
    void recordsChanged();
    void listChanged();
    void ensureMembers() const;
    bool filterIsCurrent(const QString& key, const KeywordList& keywords, const DayRange& days) const;
    void noteFilterCurrent();

    QString m_bookName;
    IOList m_records;
    SortDescriptorList m_sortDescriptors;
    QString m_prevSearchKey;
    IOList m_filtered;
    bool m_filterActive = false;

    // The lists are in sort order as of these field counts (resort and ordered inserts).
    bool m_sorted = false;
    RecordRevision::Counts m_sortedAt{};
    std::uint64_t m_recordsVersion = 0;
    // What the filtered list was made from.
    KeywordList m_filterKeywords;
    DayRange m_filterDays;
    std::uint64_t m_filteredAtRecords = ~std::uint64_t(0);
    std::uint64_t m_filteredAtComments = 0;
    std::uint64_t m_filteredAtKeywords = 0;
    std::uint64_t m_filteredAtDates = 0;

    // Membership index for large books, built on first use.
    mutable std::unique_ptr<QSet<const IO*>> m_members;
    // The three totals come from one pass and stay valid until a record or a list changes.
    mutable Totals m_totals;
    mutable std::uint64_t m_totalsAmounts = 0;
    mutable std::uint64_t m_totalsIncluded = 0;
    // Cleared whenever what the book lists changes.
    mutable bool m_totalsValid = false;
};
