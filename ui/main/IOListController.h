#pragma once

#include "DataRoot.h"
#include "IOTableModel.h"

#include <QObject>

class RecordTableView;
class ShownBook;
class TextSuggestion;

// The record table on the right of the main window: the selected book's
// filtered records, edited in place, sorted by the header, dragged onto
// books and deleted with the erase keys.
class IOListController : public QObject {
    Q_OBJECT

public:
    IOListController(DataRootPtr root, ShownBook* shown, IOTableModel* model, RecordTableView* ioListView,
                     TextSuggestion* commentSuggestion, QObject* parent = nullptr);

    // The book whose records the table shows: the book list's selected book.
    const BookPtr& book() const { return m_model->book(); }
    // The header shows the book's own sort order.
    void resetSortDescriptors();
    // The shown book was made ready again: the rows take its list. Records
    // that were selected stay selected wherever they now stand; another book
    // starts with no selection and its own order in the header.
    void reloadData();
    void deselectAll();
    // Deletes the records of these rows: from the whole library when the main
    // library is shown, from the book alone otherwise, and never from a smart
    // book, whose contents follow its conditions.
    void deleteRows(const QList<int>& rows);
    // Records of the selected rows, in row order.
    IOList selectedRecords() const;

signals:
    // The selected records, for the keyword checklist.
    void selectedRecordsChanged(const IOList& records);
    // Whether the selected records can be deleted, and what Delete would do or why it cannot.
    void deleteStateChanged(bool enabled, const QString& toolTip);

private:
    void onSortIndicatorChanged(int column, Qt::SortOrder order);
    void onRecordEdited(const IOPtr& record, int column);
    void onSelectionChanged();
    void announceDeleteState();
    void showPlaceholder();
    QString emptyTableText() const;
    // Asks before many records leave the library at once; true to go on.
    bool confirmLargeDeletion(std::size_t removed, std::size_t libraryCount) const;

    DataRootPtr m_root;
    ShownBook* m_shown;
    IOTableModel* m_model;
    RecordTableView* m_view;
    TextSuggestion* m_commentSuggestion;
    // As of the last selection change: a reload re-sorts rows under the selection.
    IOList m_selectedRecords;
};
