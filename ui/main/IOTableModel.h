#pragma once

#include "DataRoot.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"

#include <QAbstractTableModel>
#include <QHash>

#include <cstdint>
#include <vector>

// The records of one book as rows: the book's filtered list in the book's
// order. Cell edits, deletes and drops are changes of the library document;
// the header sorts the book; records are dragged out by id and dropped into
// any book but the main library.
//
// The rows are the model's own copy of that list, so the views always see one
// consistent list. They follow the document as it reports each change: records
// that leave the book leave the rows, records that come into an unfiltered
// book take their rows, an edited record's row is read again. What only the
// book can tell (a search, another order, a smart book chosen again) reaches
// the rows at reload(), as one new layout: the views keep their selection and
// scroll position, and only another book resets them.
class IOTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, AmountColumn, CommentColumn, KeywordsColumn, IncludeInStatsColumn, ColumnCount };

    // The record key a column shows, and back; -1 for a key no column shows.
    static QString keyOfColumn(int column);
    static int columnOfKey(const QString& key);

    explicit IOTableModel(LibraryDocument* document, QObject* parent = nullptr);

    const BookPtr& book() const { return m_book; }
    // Another book: the rows start afresh.
    void setBook(const BookPtr& book);
    // The book was made ready to show again: the rows take its list.
    void reload();
    // Deletes these records: from the whole library when the main library is
    // shown, from the shown book alone otherwise. Never from a smart book.
    void deleteRecords(const IOList& records);
    IOPtr recordAtRow(int row) const;
    // The same record without taking a reference, for passes over many rows.
    const IO* addressAtRow(int row) const { return m_rows[std::size_t(row)]; }
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

private:
    using Rows = std::vector<const IO*>;

    void recordsAdded(const BookPtr& book, const IOList& records);
    void recordsRemoved(const BookPtr& book, const IOList& records);
    void recordsChanged(const IOList& records, RecordRevision::Field field);
    // Rows `isChanged` picks are read again, run by run.
    template <typename IsChanged> void rowsChanged(IsChanged isChanged, int firstColumn, int lastColumn);
    // The rows as the book lists them now.
    Rows bookRows() const;
    // Any other change: the rows become `now`, rows the views hold on to
    // (selection, current row) move with their records.
    void relayout(Rows now);
    // Amounts came or changed: they may need more decimals than the column
    // has. `countBefore`: the book's records when the column was counted.
    void noteAmounts(const IOList& records, std::size_t countBefore);
    // The decimals the book's amounts need: one pass over its records, and
    // only when they changed since the last one.
    int countedDecimals();
    // With new decimals the whole column is read again.
    void updateAmountDecimals();

    // The decimals a book's amounts need, and what they were counted from.
    struct DecimalsCount {
        std::weak_ptr<Book> book;
        std::uint64_t amounts = 0; // RecordRevision of amounts counted
        std::size_t records = 0;
        int needed = 0;
    };

    LibraryDocument* m_document;
    DataRootPtr m_root;
    BookPtr m_book;
    // Addresses only: records that leave the book leave these in the same change.
    Rows m_rows;
    LedgerFormat m_format;
    int m_amountDecimals;
    // Per book, so going back and forth between books passes over none of them again.
    QHash<const Book*, DecimalsCount> m_decimals;
};
