#pragma once

#include "DataRoot.h"
#include "IOTableModel.h"

#include <QObject>

class CustomTableView;
class TextSuggestion;

// The record table on the right of the main window: the selected book's
// filtered records, edited in place, sorted by the header, dragged onto
// books and deleted with the erase keys.
class IOListController : public QObject {
    Q_OBJECT

public:
    IOListController(DataRootPtr root, TextSuggestion* commentSuggestion, CustomTableView* ioListView,
                     QObject* parent = nullptr);

    CustomTableView* ioListView() const { return m_view; }
    IOTableModel* model() const { return m_model; }

    // The book whose records the table shows: the book list's selected book.
    const BookPtr& book() const { return m_model->book(); }
    void setBook(const BookPtr& book);
    // The header shows the book's own sort order.
    void resetSortDescriptors();
    // The book's lists changed: every row is read again. Records that were
    // selected stay selected wherever they now stand.
    void reloadData();
    void deselectAll();
    // Deletes the records of these rows: from the whole library when the main
    // library is shown, from the book alone otherwise, and never from a smart
    // book, whose contents follow its conditions.
    void deleteRows(const QList<int>& rows);
    // Records of the selected rows, in row order.
    IOList selectedRecords() const;

signals:
    // Records changed: the owner refreshes the book, this table and the statistics.
    void dataNeedsReloading();
    // The selected records, for the keyword checklist.
    void selectedRecordsChanged(const IOList& records);

private:
    void setUpColumns();
    void sortIndicatorChanged(int column, Qt::SortOrder order);
    void recordEdited(const IOPtr& record, int column);
    void editRefused(const QString& message);
    void tableViewSelectionDidChange();
    void reselect(const IOList& records);

    DataRootPtr m_root;
    TextSuggestion* m_commentSuggestion;
    CustomTableView* m_view;
    IOTableModel* m_model;
    // As of the last selection change: a reload re-sorts rows under the selection.
    IOList m_selectedRecords;
};
