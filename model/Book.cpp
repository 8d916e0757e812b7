#include "Book.h"

#include "RecordRevision.h"
#include "RecordSorter.h"
#include "SearchKey.h"
#include "SearchMemo.h"

#include <algorithm>

namespace {
// Below this size a linear scan beats building an index.
constexpr std::size_t indexThreshold = 64;

// Passes over every record of a book wait on memory, not on work: asking for a
// record a few steps ahead lets those waits overlap.
constexpr std::size_t prefetchDistance = 24;

// Takes the array and its size rather than the vector: GCC 12 drops the
// prefetch when it reads the vector's size inside the loop.
inline void prefetchAhead(const IOPtr* records, std::size_t count, std::size_t i) {
    if (i + prefetchDistance < count) {
        __builtin_prefetch(records[i + prefetchDistance].get());
    }
}
} // namespace

Book::Book()
    : m_bookName(QStringLiteral("Untitled"))
    , m_sortDescriptors(defaultSortDescriptors())
    , m_prevSearchKey(QStringLiteral("")) {}

Book::~Book() = default;

BookPtr Book::create() {
    return std::make_shared<Book>();
}

SortDescriptorList Book::defaultSortDescriptors() {
    return {SortDescriptor{QStringLiteral("date"), false}, SortDescriptor{QStringLiteral("timeOfEntry"), false}};
}

void Book::setBookName(const QString& name) {
    m_bookName = name;
}

void Book::setRecords(IOList records) {
    m_records = std::move(records);
    for (const IOPtr& record : m_records) {
        record->markListed();
    }
    m_members.reset();
    m_sorted = false;
    recordsChanged();
}

void Book::setRecordsPickedFrom(IOList records, const Book& source) {
    setRecords(std::move(records));
    // The selector a stored order carries names no other order.
    const auto sameOrder = [](const SortDescriptor& a, const SortDescriptor& b) {
        return a.key == b.key && a.ascending == b.ascending;
    };
    if (std::equal(m_sortDescriptors.begin(), m_sortDescriptors.end(), source.m_sortDescriptors.begin(),
                   source.m_sortDescriptors.end(), sameOrder) &&
        source.isSortedNow()) {
        m_sorted = true;
        m_sortedAt = RecordRevision::counts();
    }
}

void Book::setSortDescriptors(const SortDescriptorList& descriptors) {
    if (descriptors.isEmpty()) {
        return;
    }
    const SortDescriptor& first = descriptors.first();
    if (first.key == u"date") {
        m_sortDescriptors = {first, SortDescriptor{QStringLiteral("timeOfEntry"), first.ascending}};
    } else {
        m_sortDescriptors = descriptors;
    }
    m_sorted = false;
}

void Book::recordsChanged() {
    ++m_recordsVersion;
    listChanged();
}

void Book::listChanged() {
    m_totalsValid = false;
}

namespace {
// The field whose changes can reorder records sorted by this key; none for
// the time of entry, which never changes, and for keys that order nothing.
std::optional<RecordRevision::Field> fieldOfKey(const QString& key) {
    switch (RecordSorter::keyOf(key)) {
    case RecordSorter::Key::Date:
        return RecordRevision::Date;
    case RecordSorter::Key::Amount:
        return RecordRevision::Amount;
    case RecordSorter::Key::Comment:
        return RecordRevision::Comment;
    case RecordSorter::Key::KeywordsAsString:
        return RecordRevision::Keywords;
    case RecordSorter::Key::IncludeInStats:
        return RecordRevision::IncludeInStats;
    case RecordSorter::Key::TimeOfEntry:
    case RecordSorter::Key::Unknown:
        break;
    }
    return std::nullopt;
}
} // namespace

bool Book::isOrderedBy(RecordRevision::Field field) const {
    return std::any_of(m_sortDescriptors.cbegin(), m_sortDescriptors.cend(),
                       [field](const SortDescriptor& d) { return fieldOfKey(d.key) == field; });
}

bool Book::isSortedNow() const {
    if (!m_sorted) {
        return false;
    }
    return std::all_of(m_sortDescriptors.cbegin(), m_sortDescriptors.cend(), [this](const SortDescriptor& d) {
        const std::optional<RecordRevision::Field> field = fieldOfKey(d.key);
        return !field || m_sortedAt[*field] == RecordRevision::current(*field);
    });
}

void Book::ensureMembers() const {
    if (m_members) {
        return;
    }
    m_members = std::make_unique<QSet<const IO*>>();
    m_members->reserve(qsizetype(m_records.size()));
    for (const IOPtr& record : m_records) {
        m_members->insert(record.get());
    }
}

bool Book::includesObject(const IO* record) const {
    if (!m_members && m_records.size() < indexThreshold) {
        return std::any_of(m_records.begin(), m_records.end(), [record](const IOPtr& r) { return r.get() == record; });
    }
    ensureMembers();
    return m_members->contains(record);
}

void Book::addObject(const IOPtr& record) {
    if (!record || includesObject(record.get())) {
        return;
    }
    if (!isSortedNow()) {
        appendObject(record);
        resort();
        return;
    }
    // The list is sorted: the new record goes after every record that sorts equal
    // to it, which is where a stable full sort of the appended list would put it.
    const auto position =
        std::upper_bound(m_records.begin(), m_records.end(), record, [this](const IOPtr& a, const IOPtr& b) {
            return RecordSorter::compare(*a, *b, m_sortDescriptors) < 0;
        });
    m_records.insert(position, record);
    record->markListed();
    if (m_members) {
        m_members->insert(record.get());
    }
    recordsChanged();
}

void Book::appendObject(const IOPtr& record) {
    if (!record || includesObject(record.get())) {
        return;
    }
    m_records.push_back(record);
    record->markListed();
    if (m_members) {
        m_members->insert(record.get());
    }
    m_sorted = false;
    recordsChanged();
}

void Book::addObjectsFromArray(const IOList& records) {
    const bool wasSorted = isSortedNow();
    const std::size_t before = m_records.size();
    for (const IOPtr& record : records) {
        appendObject(record);
    }
    if (wasSorted && m_records.size() > before) {
        mergeAppended(before);
    } else {
        resort();
    }
}

void Book::mergeAppended(std::size_t sortedCount) {
    // A sorted list and a few new records: sorting the new ones alone and
    // merging them in costs a pass, where sorting a lifetime's list again
    // costs many. The merge keeps equal records in the order a stable sort
    // of the appended list would: the listed ones first, then the new ones
    // as given.
    const bool filterWasCurrent = m_filterActive && m_filteredAtRecords == m_recordsVersion;
    const auto middle = m_records.begin() + std::ptrdiff_t(sortedCount);
    IOList added(std::make_move_iterator(middle), std::make_move_iterator(m_records.end()));
    RecordSorter::sort(added, m_sortDescriptors);
    std::move(added.begin(), added.end(), middle);
    std::inplace_merge(m_records.begin(), middle, m_records.end(), [this](const IOPtr& a, const IOPtr& b) {
        return RecordSorter::compare(*a, *b, m_sortDescriptors) < 0;
    });
    m_sorted = true;
    m_sortedAt = RecordRevision::counts();
    recordsChanged();
    if (filterWasCurrent) {
        m_filteredAtRecords = m_recordsVersion;
    }
}

IOWeakList Book::recordsAsPointers() const {
    return IOWeakList(m_records.begin(), m_records.end());
}

void Book::addObjectsFromArrayOfPointers(const IOWeakList& records) {
    for (const std::weak_ptr<IO>& held : records) {
        if (IOPtr record = held.lock()) {
            appendObject(record);
        }
    }
    resort();
}

void Book::removeObject(const IO* record) {
    removeObjects({record});
}

void Book::removeObjects(const QSet<const IO*>& records) {
    takeObjects(records);
}

std::vector<Book::Placed> Book::takeObjects(const QSet<const IO*>& records) {
    std::vector<Placed> taken;
    if (records.isEmpty()) {
        return taken;
    }
    const bool filterWasCurrent = m_filterActive && m_filteredAtRecords == m_recordsVersion;
    // One pass that keeps the others in order and notes where each taken one stood.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (records.contains(m_records[i].get())) {
            taken.push_back({i, std::move(m_records[i])});
        } else {
            if (kept != i) {
                m_records[kept] = std::move(m_records[i]);
            }
            ++kept;
        }
    }
    if (taken.empty()) {
        return taken;
    }
    m_records.resize(kept);
    if (m_members) {
        for (const Placed& placed : taken) {
            m_members->remove(placed.record.get());
        }
    }
    if (m_filterActive) {
        std::erase_if(m_filtered, [&records](const IOPtr& r) { return records.contains(r.get()); });
    }
    recordsChanged();
    // Taking records out keeps what is left filtered and in order.
    if (filterWasCurrent) {
        m_filteredAtRecords = m_recordsVersion;
    }
    return taken;
}

void Book::putBackObjects(const std::vector<Placed>& placed, std::uint64_t versionAfterTake) {
    if (placed.empty()) {
        return;
    }
    const bool unchanged = versionAfterTake == m_recordsVersion;
    IOList merged;
    merged.reserve(m_records.size() + placed.size());
    std::size_t from = 0;
    for (const Placed& p : placed) {
        while (merged.size() < p.index && from < m_records.size()) {
            merged.push_back(std::move(m_records[from++]));
        }
        merged.push_back(p.record);
        p.record->markListed();
    }
    while (from < m_records.size()) {
        merged.push_back(std::move(m_records[from++]));
    }
    m_records = std::move(merged);
    if (m_members) {
        for (const Placed& p : placed) {
            m_members->insert(p.record.get());
        }
    }
    // The same places in the same list give back the same order; in a list
    // sorted otherwise since, they are only places.
    if (!unchanged) {
        m_sorted = false;
    }
    recordsChanged();
}

void Book::setPrevSearchKey(const QString& key) {
    m_prevSearchKey = key;
}

bool Book::filterIsCurrent(const QString& key, const KeywordList& keywords, const DayRange& days) const {
    return m_filteredAtRecords == m_recordsVersion && m_prevSearchKey == key && m_filterKeywords == keywords &&
           m_filterDays == days && m_filteredAtComments == RecordRevision::current(RecordRevision::Comment) &&
           m_filteredAtKeywords == RecordRevision::current(RecordRevision::Keywords) &&
           (days.isAll() || m_filteredAtDates == RecordRevision::current(RecordRevision::Date));
}

void Book::noteFilterCurrent() {
    m_filteredAtRecords = m_recordsVersion;
    m_filteredAtComments = RecordRevision::current(RecordRevision::Comment);
    m_filteredAtKeywords = RecordRevision::current(RecordRevision::Keywords);
    m_filteredAtDates = RecordRevision::current(RecordRevision::Date);
}

void Book::reloadFilteredListWithSearchKey(const QString& key, const KeywordList& keywords, const DayRange& days) {
    const bool active = !key.isEmpty() || !keywords.empty() || !days.isAll();
    if (!active && !m_filterActive) {
        // The book lists its records as they are; there is nothing to redo.
        setPrevSearchKey(QStringLiteral(""));
        m_filterKeywords.clear();
        m_filterDays = DayRange();
        return;
    }
    if (active && m_filterActive && filterIsCurrent(key, keywords, days)) {
        return;
    }
    m_filtered.clear();
    if (active) {
        const SearchKey searchKey(key);
        const std::uint64_t wanted = IO::keywordMaskOf(keywords);
        const IOPtr* records = m_records.data();
        const std::size_t count = m_records.size();
        SearchMemo& memo = SearchMemo::start();
        const auto foundIn = [&](const IO& record) {
            bool found = false;
            const void* texts = record.texts().identity();
            if (!memo.recall(texts, &found)) {
                found = searchKey.foundIn(record.normalizedComment());
                memo.remember(texts, found);
            }
            return found;
        };
        const auto searched = [&](std::size_t at) {
            return !searchKey.isEmpty() && at < count &&
                   (records[at]->commentPairMask() & searchKey.pairMask()) == searchKey.pairMask();
        };
        for (std::size_t i = 0; i < count; ++i) {
            prefetchAhead(records, count, i);
            // Comment texts are spread over the heap: fetch a record's texts,
            // then their characters, well before they are searched.
            if (searched(i + prefetchDistance / 2)) {
                __builtin_prefetch(records[i + prefetchDistance / 2]->texts().identity());
            }
            if (searched(i + prefetchDistance / 4)) {
                __builtin_prefetch(records[i + prefetchDistance / 4]->normalizedComment().utf16());
            }
            const IOPtr& record = records[i];
            if ((record->keywordMask() & wanted) == wanted &&
                (record->commentPairMask() & searchKey.pairMask()) == searchKey.pairMask() && foundIn(*record) &&
                record->includesKeywords(keywords) && days.contains(record->date())) {
                m_filtered.push_back(record);
            }
        }
        setPrevSearchKey(key);
        m_filterKeywords = keywords;
        m_filterDays = days;
        noteFilterCurrent();
    } else {
        m_filtered.shrink_to_fit();
        setPrevSearchKey(QStringLiteral(""));
        m_filterKeywords.clear();
        m_filterDays = DayRange();
    }
    m_filterActive = active;
    listChanged();
}

void Book::resort() {
    if (isSortedNow()) {
        return;
    }
    const bool filterWasCurrent = m_filterActive && m_filteredAtRecords == m_recordsVersion;
    RecordSorter::sort(m_records, m_sortDescriptors);
    if (m_filterActive) {
        RecordSorter::sort(m_filtered, m_sortDescriptors);
    }
    m_sorted = true;
    m_sortedAt = RecordRevision::counts();
    recordsChanged();
    if (filterWasCurrent) {
        m_filteredAtRecords = m_recordsVersion;
    }
}

int Book::compare(const Book& other) const {
    const QString a = m_bookName.normalized(QString::NormalizationForm_C);
    const QString b = other.m_bookName.normalized(QString::NormalizationForm_C);
    const int c = a.compare(b, Qt::CaseSensitive);
    return (c > 0) - (c < 0);
}

void Book::deleteKeywords(const KeywordList& keywords) {
    for (const IOPtr& record : m_records) {
        record->deleteKeywords(keywords);
    }
}

const Book::Totals& Book::totals() const {
    const std::uint64_t amounts = RecordRevision::current(RecordRevision::Amount);
    const std::uint64_t included = RecordRevision::current(RecordRevision::IncludeInStats);
    if (m_totalsValid && m_totalsAmounts == amounts && m_totalsIncluded == included) {
        return m_totals;
    }
    Totals t;
    const IOPtr* records = filteredList().data();
    const std::size_t count = filteredList().size();
    for (std::size_t i = 0; i < count; ++i) {
        prefetchAhead(records, count, i);
        const IO& record = *records[i];
        // Without branches: signs and flags are unpredictable from record to record.
        const double amount = record.amountAsDouble() * double(record.includeInStats() != 0);
        t.in += amount > 0.0 ? amount : 0.0;
        t.out -= amount < 0.0 ? amount : 0.0;
        t.balance += amount;
    }
    m_totals = t;
    m_totalsAmounts = amounts;
    m_totalsIncluded = included;
    m_totalsValid = true;
    return m_totals;
}

QString Book::image() const {
    return QStringLiteral("NormalBook");
}
