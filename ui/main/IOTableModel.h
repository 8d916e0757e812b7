#pragma once

#include "DataRoot.h"
#include "LedgerFormat.h"

#include <QAbstractTableModel>

#include <functional>

// The records of one book as rows: the book's filtered list in the book's
// order. Cells edit the record in place; the header sorts the book; records
// are dragged out by id and dropped into any book but the main library.
class IOTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, AmountColumn, CommentColumn, KeywordsColumn, IncludeInStatsColumn, ColumnCount };

    // The record key a column shows, and back; -1 for a key no column shows.
    static QString keyOfColumn(int column);
    static int columnOfKey(const QString& key);

    explicit IOTableModel(DataRootPtr root, QObject* parent = nullptr);

    const BookPtr& book() const { return m_book; }
    void setBook(const BookPtr& book);
    // The book's lists changed: every row is read again.
    void reload();
    // Runs a change of the book's lists; every row is read again afterwards.
    void changeBook(const std::function<void()>& change);
    const IOPtr& recordAtRow(int row) const { return m_book->filteredObjectAtIndex(std::size_t(row)); }
    const LedgerFormat& format() const { return m_format; }

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
    // An edit was refused and changed nothing; the message says why.
    void editRefused(const QString& message);
    // Records were added to the book by a drop.
    void recordsDropped();

private:
    bool setAmountText(const IOPtr& record, const QString& text);

    DataRootPtr m_root;
    BookPtr m_book;
    LedgerFormat m_format;
};
