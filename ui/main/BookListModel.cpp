#include "BookListModel.h"

#include "LibraryDocument.h"

#include "RecordDrag.h"
#include "SmartBook.h"

#include <QMimeData>

BookListModel::BookListModel(LibraryDocument* document, QObject* parent)
    : QAbstractListModel(parent)
    , m_document(document)
    , m_root(document->root()) {
    connect(m_document, &LibraryDocument::aboutToChange, this, &BookListModel::libraryAboutToChange);
    connect(m_document, &LibraryDocument::changed, this, &BookListModel::libraryChanged);
}

void BookListModel::libraryAboutToChange(const LibraryDocument::Change& change) {
    // A rename from the name editor keeps its row until the editor has closed.
    const bool books = change.kind == LibraryDocument::Change::Books || change.kind == LibraryDocument::Change::Library;
    m_resetting = books && !m_renaming;
    if (m_resetting) {
        beginResetModel();
    }
}

void BookListModel::libraryChanged() {
    if (m_resetting) {
        m_resetting = false;
        endResetModel();
    }
}

BookPtr BookListModel::bookAtRow(int row) const {
    return row < 0 ? nullptr : m_root->bookAtIndex(std::size_t(row));
}

std::size_t BookListModel::rowOfBook(const Book* book) const {
    return book ? m_root->indexOfBook(book) : notFound;
}

void BookListModel::reload() {
    beginResetModel();
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

void BookListModel::sortBooks() {
    beginResetModel();
    m_document->sortBookLists();
    endResetModel();
}

int BookListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_root->bookCount());
}

QIcon BookListModel::imageNamed(const QString& name) const {
    auto found = m_images.constFind(name);
    if (found == m_images.cend()) {
        found = m_images.insert(name, QIcon(QStringLiteral(":/images/%1.svg").arg(name)));
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
    m_renaming = true;
    m_document->renameBook(book, name);
    m_renaming = false;
    emit dataChanged(index, index);
    emit bookRenamed(book);
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
    const std::optional<QList<IORegistry::Id>> ids = RecordDrag::recordIds(data);
    const BookPtr book = bookAtRow(parent.row());
    m_document->addRecordsToBook(book, RecordDrag::records(*ids));
    emit recordsDropped(book);
    return true;
}

Qt::DropActions BookListModel::supportedDragActions() const {
    return Qt::CopyAction;
}

Qt::DropActions BookListModel::supportedDropActions() const {
    return Qt::CopyAction;
}
