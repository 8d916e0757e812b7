#pragma once

#include <QList>
#include <QTableView>

// A table of rows: Home and End go to the first and last one, and its erase
// keys ask to delete the selected rows. Backspace, and
// Delete as PC keyboards name it, both do; neither ever reaches the table's
// own key handling, nor while a cell is edited the menu's shortcut. Records
// dragged out of it are shown by a small picture with their number, so the
// drop target stays in sight.
class CustomTableView : public QTableView {
    Q_OBJECT

public:
    explicit CustomTableView(QWidget* parent = nullptr);

    bool isEditing() const { return state() == EditingState; }
    // Selected rows, ascending.
    QList<int> selectedRows() const;
    // What the erase keys do; also the menu's Delete. When no selected row is
    // in view, the table first scrolls to them and deletes nothing: nothing
    // goes that the user cannot see.
    void deleteSelectedRows();
    // The picture under the pointer while `count` records are dragged.
    QPixmap dragPicture(int count) const;

signals:
    void deleteRowsRequested(const QList<int>& rows);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    static bool isEraseKey(const QKeyEvent* event);
    bool showsSelectedRow() const;
};
