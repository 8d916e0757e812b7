#include "BookListModel.h"
#include "AppPalette.h"
#include "SchemeIcon.h"

#include "LibraryDocument.h"

#include "RecordDrag.h"
#include "SmartBook.h"

#include <QMimeData>

#include <algorithm>

BookListModel::BookListModel(LibraryDocument* document, QObject* parent)
    : QAbstractListModel(parent)
    , m_document(document)
    , m_root(document->root())
    , m_books(rootBooks()) {
    connect(m_document, &LibraryDocument::aboutToChange, this, &BookListModel::libraryAboutToChange);
    connect(m_document, &LibraryDocument::changed, this, &BookListModel::libraryChanged);
    connect(m_document, &LibraryDocument::bookAdded, this, &BookListModel::bookAdded);
    connect(m_document, &LibraryDocument::bookRemoved, this, &BookListModel::bookRemoved);
    connect(m_document, &LibraryDocument::bookRenamed, this, &BookListModel::bookRenamed);
}

std::vector<BookPtr> BookListModel::rootBooks() const {
    std::vector<BookPtr> books;
    books.reserve(m_root->bookCount());
    for (std::size_t i = 0; i < m_root->bookCount(); ++i) {
        books.push_back(m_root->bookAtIndex(i));
    }
    return books;
}

std::size_t BookListModel::rowInList(const Book* book) const {
    const auto found =
        std::find_if(m_books.begin(), m_books.end(), [book](const BookPtr& b) { return b.get() == book; });
    return found == m_books.end() ? notFound : std::size_t(found - m_books.begin());
}

void BookListModel::libraryAboutToChange(const LibraryDocument::Change& change) {
    // Every book is another one.
    m_resetting = change.kind == LibraryDocument::Change::Library;
    if (m_resetting) {
        beginResetModel();
    }
}

void BookListModel::libraryChanged() {
    if (m_resetting) {
        m_resetting = false;
        m_books = rootBooks();
        endResetModel();
    }
}

void BookListModel::bookAdded(const BookPtr& book) {
    const std::size_t row = m_root->indexOfBook(book.get());
    if (m_resetting || row == DataRoot::notFound || row > m_books.size()) {
        return;
    }
    beginInsertRows({}, int(row), int(row));
    m_books.insert(m_books.begin() + qsizetype(row), book);
    endInsertRows();
}

void BookListModel::bookRemoved(const BookPtr& book) {
    const std::size_t row = rowInList(book.get());
    if (m_resetting || row == notFound) {
        return;
    }
    beginRemoveRows({}, int(row), int(row));
    m_books.erase(m_books.begin() + qsizetype(row));
    endRemoveRows();
}

void BookListModel::bookRenamed(const BookPtr& book) {
    const std::size_t from = rowInList(book.get());
    const std::size_t to = m_root->indexOfBook(book.get());
    if (m_resetting || from == notFound || to == DataRoot::notFound) {
        return;
    }
    std::vector<BookPtr> moved = m_books;
    moved.erase(moved.begin() + qsizetype(from));
    moved.insert(moved.begin() + qsizetype(to), book);
    const std::vector<BookPtr> now = rootBooks();
    if (moved != now) {
        // Lists that were not in name order before (as read from a file) are now.
        emit layoutAboutToBeChanged();
        QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex& held : before) {
            const std::size_t row = m_root->indexOfBook(m_books[std::size_t(held.row())].get());
            after.append(row == DataRoot::notFound ? QModelIndex() : createIndex(int(row), held.column()));
        }
        changePersistentIndexList(before, after);
        m_books = now;
        emit layoutChanged();
    } else if (from != to) {
        // Qt counts the destination before the move: further down is one past the place.
        beginMoveRows({}, int(from), int(from), {}, int(to > from ? to + 1 : to));
        m_books = std::move(moved);
        endMoveRows();
    }
    const QModelIndex row = index(int(to));
    emit dataChanged(row, row);
}

BookPtr BookListModel::bookAtRow(int row) const {
    return row < 0 || std::size_t(row) >= m_books.size() ? nullptr : m_books[std::size_t(row)];
}

std::size_t BookListModel::rowOfBook(const Book* book) const {
    return book ? rowInList(book) : notFound;
}

void BookListModel::reload() {
    beginResetModel();
    m_books = rootBooks();
    endResetModel();
}

void BookListModel::addDumbBook(const BookPtr& book) {
    m_document->addPlainBook(book);
}

void BookListModel::deleteBook(const BookPtr& book) {
    if (!book || book == m_root->mainLibrary()) {
        return;
    }
    m_document->deleteBook(book);
}

int BookListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_books.size());
}

QIcon BookListModel::imageNamed(const QString& name) const {
    // Asked at every paint, so the list follows a change between light and dark.
    const bool dark = AppPalette::isDark();
    const QString key = dark ? name + QStringLiteral("/dark") : name;
    auto found = m_images.constFind(key);
    if (found == m_images.cend()) {
        found = m_images.insert(key, SchemeIcon::load(QStringLiteral(":/images/%1.svg").arg(name), dark));
    }
    return *found;
}

QVariant BookListModel::data(const QModelIndex& index, int role) const {
    const BookPtr book = bookAtRow(index.row());
    if (!book || index.column() != 0) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return book->bookName();
    case Qt::DecorationRole:
        return imageNamed(index.row() == 0 ? QStringLiteral("LibraryBook") : book->image());
    default:
        return {};
    }
}

bool BookListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.row() == 0) {
        return false;
    }
    const BookPtr book = bookAtRow(index.row());
    const QString name = value.toString();
    // An empty name keeps the old one.
    if (!book || name.isEmpty()) {
        return false;
    }
    // The book's row moves to its place by name as the document says so.
    m_document->renameBook(book, name);
    return true;
}

Qt::ItemFlags BookListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.row() != 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QStringList BookListModel::mimeTypes() const {
    return {RecordDrag::mimeType()};
}

QMimeData* BookListModel::mimeData(const QModelIndexList& indexes) const {
    // A book's row drags every record of the book, filtered out or not; only the first row counts.
    if (indexes.isEmpty()) {
        return nullptr;
    }
    const BookPtr book = bookAtRow(indexes.first().row());
    return book ? RecordDrag::mimeData(book->recordsAsPointers()) : nullptr;
}

bool BookListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                    const QModelIndex& parent) const {
    // Only onto a row (never between rows), never the main library, never a smart book.
    if (action != Qt::CopyAction || row != -1 || !parent.isValid() || parent.row() == 0) {
        return false;
    }
    const BookPtr book = bookAtRow(parent.row());
    if (!book || book->isSmart()) {
        return false;
    }
    return RecordDrag::isRecordDrag(data);
}

bool BookListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    const BookPtr book = bookAtRow(parent.row());
    m_document->addRecordsToBook(book, RecordDrag::records(data));
    return true;
}

Qt::DropActions BookListModel::supportedDragActions() const {
    return Qt::CopyAction;
}

Qt::DropActions BookListModel::supportedDropActions() const {
    return Qt::CopyAction;
}
