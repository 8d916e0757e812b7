#pragma once

#include <QList>
#include <QTableView>

// A table whose erase keys ask to delete the selected rows. Backspace, and
// Delete as PC keyboards name it, both do; neither ever reaches the table's
// own key handling, nor while a cell is edited the menu's shortcut.
class CustomTableView : public QTableView {
    Q_OBJECT

public:
    explicit CustomTableView(QWidget* parent = nullptr);

    bool isEditing() const { return state() == EditingState; }
    // Selected rows, ascending.
    QList<int> selectedRows() const;
    // What the erase keys do; also the menu's Delete.
    void deleteSelectedRows();

signals:
    void deleteRowsRequested(const QList<int>& rows);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool isEraseKey(const QKeyEvent* event);
};
