#pragma once

#include "DataRoot.h"
#include "LibraryDocument.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>

// The library's books as rows: the main library, then the smart books, then
// the plain books, the root's own index space. Names are edited in place
// (not the main library's), a book's records are dragged out, and records
// dropped onto a plain book are added to it; each a change of the library
// document. The rows follow the document book by book: a new book takes its
// row, a deleted one leaves it, a renamed one moves to its place by name;
// only another library starts them afresh.
class BookListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr std::size_t notFound = DataRoot::notFound;

    explicit BookListModel(LibraryDocument* document, QObject* parent = nullptr);

    BookPtr bookAtRow(int row) const;
    // By identity; notFound for a book the library does not list.
    std::size_t rowOfBook(const Book* book) const;
    // Every row is read again.
    void reload();
    // Adds a plain book; it takes its place by name.
    void addDumbBook(const BookPtr& book);
    // Removes a smart or plain book from the library; never the main library.
    void deleteBook(const BookPtr& book);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

private:
    void libraryAboutToChange(const LibraryDocument::Change& change);
    void libraryChanged();
    void bookAdded(const BookPtr& book);
    void bookRemoved(const BookPtr& book);
    // The root sorted its lists by name again: the renamed book moves to its place.
    void bookRenamed(const BookPtr& book);
    std::vector<BookPtr> rootBooks() const;
    std::size_t rowInList(const Book* book) const;
    QIcon imageNamed(const QString& name) const;

    LibraryDocument* m_document;
    bool m_resetting = false;
    DataRootPtr m_root;
    // The root's books as the rows show them; between a change of the root
    // and the document's word on it, the rows still show the books as they were.
    std::vector<BookPtr> m_books;
    mutable QHash<QString, QIcon> m_images;
};
