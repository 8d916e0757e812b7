#include "SmartBook.h"

#include "BookCondition.h"
#include "Clock.h"
#include "ConditionGroup.h"

#include <unordered_set>

namespace {
// A refresh waits on memory more than on the tree: records a few steps ahead
// are fetched, both lines of them, while the current one is tested.
constexpr std::size_t prefetchDistance = 16;

inline void prefetchAhead(const IOPtr* records, std::size_t count, std::size_t i) {
    if (i + prefetchDistance < count) {
        const char* ahead = reinterpret_cast<const char*>(records[i + prefetchDistance].get());
        __builtin_prefetch(ahead);
        __builtin_prefetch(ahead + 64);
    }
}

// Ends the tree's pass however the refresh leaves.
class PassScope {
public:
    PassScope(Condition& tree, const ConditionPass& pass)
        : m_tree(tree) {
        m_tree.beginPass(pass);
    }
    ~PassScope() { m_tree.endPass(); }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

private:
    Condition& m_tree;
};

// Every smart book that a book condition of `condition` names.
void collectNamedSmartBooks(const Condition& condition, std::vector<SmartBookPtr>& found) {
    if (const auto* group = dynamic_cast<const ConditionGroup*>(&condition)) {
        for (const ConditionPtr& child : group->children()) {
            if (child) {
                collectNamedSmartBooks(*child, found);
            }
        }
        return;
    }
    if (condition.kind() != Condition::Kind::Book) {
        return;
    }
    if (const BookPtr* book = std::get_if<BookPtr>(&condition.object())) {
        if (auto smart = std::dynamic_pointer_cast<SmartBook>(*book)) {
            found.push_back(std::move(smart));
        }
    }
}
} // namespace

SmartBook::SmartBook() = default;

SmartBook::~SmartBook() = default;

SmartBookPtr SmartBook::create() {
    return std::make_shared<SmartBook>();
}

void SmartBook::setConditions(ConditionPtr conditions) {
    m_conditions = std::move(conditions);
}

void SmartBook::releaseTrees(const std::vector<SmartBookPtr>& books) {
    // Walk first, drop afterwards: dropping a tree may free books still to be visited.
    std::vector<SmartBookPtr> reached(books.begin(), books.end());
    std::unordered_set<const SmartBook*> seen;
    for (std::size_t i = 0; i < reached.size(); ++i) {
        const SmartBookPtr book = reached[i];
        if (!book || !seen.insert(book.get()).second) {
            continue;
        }
        if (book->m_conditions) {
            collectNamedSmartBooks(*book->m_conditions, reached);
        }
    }
    for (const SmartBookPtr& book : reached) {
        if (book) {
            book->setConditions(nullptr);
        }
    }
}

void SmartBook::reload(const BookPtr& mainLibrary, const std::function<bool(const Book*)>& holdsBook) {
    BookPtr source;
    IOList found = matchingRecords(mainLibrary, holdsBook, {}, &source);
    if (source) {
        setRecordsPickedFrom(std::move(found), *source);
    } else {
        setRecords(std::move(found));
    }
}

IOList SmartBook::matchingRecords(const BookPtr& mainLibrary, const std::function<bool(const Book*)>& holdsBook,
                                  const std::function<bool(const IO&)>& admits, BookPtr* sourceOut) const {
    IOList found;
    BookPtr source = m_conditions ? m_conditions->getBook() : nullptr;
    if (!source) {
        source = mainLibrary;
    }
    // A deleted book keeps the records it had, and may keep records deleted
    // from the library after it: it is no source of records.
    const bool sourceHeld = source && (source == mainLibrary || !holdsBook || holdsBook(source.get()));
    if (m_conditions && sourceHeld) {
        // Read before replacing: the tree may name this very book.
        const IOList& candidates = source->records();
        const IOPtr* records = candidates.data();
        const std::size_t count = candidates.size();
        const Book* library = source == mainLibrary ? nullptr : mainLibrary.get();
        // One "now" for the whole refresh.
        const PassScope pass(*m_conditions, ConditionPass{Clock::now(), holdsBook});
        for (std::size_t i = 0; i < count; ++i) {
            prefetchAhead(records, count, i);
            const IO& record = *records[i];
            if ((!admits || admits(record)) && (!library || library->includesObject(&record)) &&
                m_conditions->ioMatchesCondition(record)) {
                found.push_back(records[i]);
            }
        }
    }
    if (sourceOut) {
        *sourceOut = std::move(source);
    }
    return found;
}

QString SmartBook::image() const {
    return QStringLiteral("SmartBook");
}
