#pragma once

#include "IO.h"
#include "LibraryDocument.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

// The library's keywords in list order, each with a box that says whether
// every given record carries it. Ticking a box adds the keyword to, or takes
// it from, all the given records at once: through the document for records of
// the library, directly for a record still being composed.
class KeywordListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { IncludedColumn, NameColumn, ColumnCount };

    explicit KeywordListModel(LibraryDocument* document, QObject* parent = nullptr);

    const IOList& records() const { return m_records; }
    void setRecords(IOList records);
    KeywordPtr keywordAt(int row) const;
    // The row of the keyword, or -1.
    int rowOf(const Keyword* keyword) const;
    // Every box is read again: the records' keywords may have changed behind the document.
    void reloadData();

    // 0 when `name` may be given to the keyword of `row`; otherwise the alert
    // that says why not: 2 for an empty name, 3 for another keyword's name.
    int nameError(int row, const QString& name) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A box was ticked or cleared, whether or not any record changed.
    void keywordTicked();

private:
    // Another library took the place of this one: every row is read again.
    void onLibraryAboutToChange(const LibraryDocument::Change& change);
    void onLibraryChanged();
    void onKeywordAdded(const KeywordPtr& keyword);
    void onKeywordsRemoved(const KeywordList& keywords);
    void onKeywordRenamed(const KeywordPtr& keyword);
    void onRecordsChanged(const IOList& records, RecordRevision::Field field);
    bool carriedByAll(int row) const;
    void tick(const KeywordPtr& keyword, bool carried);
    void boxesChanged();

    LibraryDocument* m_document;
    // The rows as the view knows them; follows the document's keyword signals.
    KeywordList m_keywords;
    bool m_resetting = false;
    IOList m_records;
    // Per row: -1 not worked out yet, else whether every record carries the keyword.
    mutable std::vector<std::int8_t> m_carried;
};
