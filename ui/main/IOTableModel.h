#pragma once

#include "DataRoot.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"

#include <QAbstractTableModel>
#include <QHash>

#include <cstdint>

// The records of one book as rows: the book's filtered list in the book's
// order. Cell edits, deletes and drops are changes of the library document;
// the header sorts the book; records are dragged out by id and dropped into
// any book but the main library.
class IOTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, AmountColumn, CommentColumn, KeywordsColumn, IncludeInStatsColumn, ColumnCount };

    // The record key a column shows, and back; -1 for a key no column shows.
    static QString keyOfColumn(int column);
    static int columnOfKey(const QString& key);

    explicit IOTableModel(LibraryDocument* document, QObject* parent = nullptr);

    const BookPtr& book() const { return m_book; }
    void setBook(const BookPtr& book);
    // The book's lists changed: every row is read again.
    void reload();
    // Deletes these records: from the whole library when the main library is
    // shown, from the shown book alone otherwise. Never from a smart book.
    void deleteRecords(const IOList& records);
    const IOPtr& recordAtRow(int row) const { return m_book->filteredObjectAtIndex(std::size_t(row)); }
    const LedgerFormat& format() const { return m_format; }
    // Decimals every amount of the shown book is written with.
    int amountDecimals() const { return m_amountDecimals; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Gives the book this order and re-sorts it.
    void sort(int column, Qt::SortOrder order) override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

signals:
    // A cell's value was stored in its record.
    void recordEdited(const IOPtr& record, int column);
    // Records were added to the book by a drop.
    void recordsDropped();

private:
    void libraryAboutToChange(const LibraryDocument::Change& change);
    void libraryChanged();
    // One pass over the book's records, and only when they changed since the last one.
    void updateAmountDecimals();

    // The decimals a book's amounts need, and what they were counted from.
    struct DecimalsCount {
        std::weak_ptr<Book> book;
        std::uint64_t revision = 0;
        std::size_t records = 0;
        int decimals = 0;
    };

    LibraryDocument* m_document;
    bool m_resetting = false;
    DataRootPtr m_root;
    BookPtr m_book;
    LedgerFormat m_format;
    int m_amountDecimals;
    // Per book, so going back and forth between books passes over none of them again.
    QHash<const Book*, DecimalsCount> m_decimals;
};
