#include "ShownBook.h"

#include "ConditionGroup.h"
#include "SmartBook.h"

#include <QMetaObject>

#include <optional>
#include <utility>

namespace {
// Calls `visit` for every condition of the tree, groups and leaves.
template <typename Visit> void walk(const Condition& condition, Visit&& visit) {
    visit(condition);
    if (const auto* group = dynamic_cast<const ConditionGroup*>(&condition)) {
        for (const ConditionPtr& child : group->children()) {
            if (child) {
                walk(*child, visit);
            }
        }
    }
}

std::optional<RecordRevision::Field> fieldOf(Condition::Kind kind) {
    switch (kind) {
    case Condition::Kind::Amount:
        return RecordRevision::Amount;
    case Condition::Kind::Date:
        return RecordRevision::Date;
    case Condition::Kind::Keyword:
        return RecordRevision::Keywords;
    case Condition::Kind::Comment:
        return RecordRevision::Comment;
    default:
        return std::nullopt;
    }
}

const ConditionPtr& conditionsOf(const BookPtr& book) {
    static const ConditionPtr none;
    return book && book->isSmart() ? static_cast<const SmartBook&>(*book).conditions() : none;
}
} // namespace

ShownBook::ShownBook(LibraryDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(document) {
    connect(document, &LibraryDocument::recordsAdded, this, &ShownBook::recordsAdded);
    connect(document, &LibraryDocument::recordsRemoved, this, &ShownBook::recordsRemoved);
    connect(document, &LibraryDocument::recordsChanged, this,
            [this](const IOList&, RecordRevision::Field field) { recordsChanged(field); });
    connect(document, &LibraryDocument::bookAdded, this, &ShownBook::bookComesOrGoes);
    connect(document, &LibraryDocument::bookRemoved, this, &ShownBook::bookComesOrGoes);
    connect(document, &LibraryDocument::conditionsChanged, this, [this](const SmartBookPtr& book) {
        if (book == m_book) {
            note(Pending::Refresh);
        }
    });
    // Records show the names of their keywords; a book may be sorted by them.
    connect(document, &LibraryDocument::keywordRenamed, this, [this] { recordsChanged(RecordRevision::Keywords); });
    connect(document, &LibraryDocument::orderChanged, this, &ShownBook::orderChanged);
    connect(document, &LibraryDocument::changed, this, &ShownBook::changeDone);
}

bool ShownBook::isMainLibrary() const {
    return m_book && m_book == m_document->root()->mainLibrary();
}

void ShownBook::setBook(const BookPtr& book) {
    m_book = book;
    m_searchKey = QStringLiteral("");
    m_searchKeywords.clear();
    m_days = DayRange();
    refresh();
}

void ShownBook::setSearchKey(const QString& key) {
    if (key == m_searchKey) {
        return;
    }
    m_searchKey = key;
    refresh();
}

void ShownBook::setSearchKeywords(const KeywordList& keywords) {
    if (keywords == m_searchKeywords) {
        return;
    }
    m_searchKeywords = keywords;
    refresh();
}

void ShownBook::setDayRange(const DayRange& days) {
    if (days == m_days) {
        return;
    }
    m_days = days;
    refresh();
}

void ShownBook::refresh() {
    m_pending = Pending::Nothing;
    if (m_book) {
        m_document->refreshBook(m_book, m_searchKey, m_searchKeywords, m_days);
    }
    emit refreshed();
}

void ShownBook::note(Pending pending) {
    m_pending = std::max(m_pending, pending);
    if (m_updateQueued) {
        return;
    }
    m_updateQueued = true;
    QMetaObject::invokeMethod(this, &ShownBook::update, Qt::QueuedConnection);
}

void ShownBook::changeDone() {
    // The sums follow at once; choosing the records again waits for the event loop.
    if (m_pending == Pending::Figures) {
        m_pending = Pending::Nothing;
        emit figuresChanged();
    }
}

void ShownBook::update() {
    m_updateQueued = false;
    const Pending pending = std::exchange(m_pending, Pending::Nothing);
    if (pending == Pending::Refresh) {
        refresh();
    } else if (pending == Pending::Figures) {
        emit figuresChanged();
    }
}

void ShownBook::recordsAdded(const BookPtr& book) {
    if (book == m_book) {
        // Unfiltered and in order, the rows take the records where they stand.
        note(m_book->isFiltered() || !m_book->isSortedNow() ? Pending::Refresh : Pending::Figures);
    } else if (m_book && m_book->isSmart() &&
               (book == m_document->root()->mainLibrary() || conditionsName(book.get()))) {
        note(Pending::Refresh);
    }
}

void ShownBook::recordsRemoved(const BookPtr& book) {
    // What is left stays filtered and in order. Records that leave the main
    // library leave every book, the shown one with its own signal.
    if (book == m_book) {
        note(Pending::Figures);
    } else if (book != m_document->root()->mainLibrary() && conditionsName(book.get())) {
        note(Pending::Refresh);
    }
}

void ShownBook::recordsChanged(RecordRevision::Field field) {
    if (!m_book) {
        return;
    }
    const bool searched = (field == RecordRevision::Comment && !m_searchKey.isEmpty()) ||
                          (field == RecordRevision::Keywords && !m_searchKeywords.empty()) ||
                          (field == RecordRevision::Date && !m_days.isAll());
    if (m_book->isOrderedBy(field) || searched || conditionedOn(field)) {
        note(Pending::Refresh);
    } else if (field == RecordRevision::Amount || field == RecordRevision::IncludeInStats ||
               field == RecordRevision::Date) {
        note(Pending::Figures);
    }
}

void ShownBook::bookComesOrGoes(const BookPtr& book) {
    // A book condition finds nothing in a book the library no longer holds.
    if (conditionsName(book.get())) {
        note(Pending::Refresh);
    }
}

void ShownBook::orderChanged(const BookPtr& book) {
    // The document sorted the book already; the lists are ready.
    if (book == m_book) {
        emit refreshed();
    }
}

bool ShownBook::conditionedOn(RecordRevision::Field field) const {
    const ConditionPtr& tree = conditionsOf(m_book);
    bool found = false;
    if (tree) {
        walk(*tree, [&](const Condition& c) { found = found || fieldOf(c.kind()) == field; });
    }
    return found;
}

bool ShownBook::conditionsName(const Book* book) const {
    const ConditionPtr& tree = conditionsOf(m_book);
    bool found = false;
    if (tree && book) {
        walk(*tree, [&](const Condition& c) {
            const BookPtr* named = c.kind() == Condition::Kind::Book ? std::get_if<BookPtr>(&c.object()) : nullptr;
            found = found || (named && named->get() == book);
        });
    }
    return found;
}
