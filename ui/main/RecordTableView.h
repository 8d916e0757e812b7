#pragma once

#include "CustomTableView.h"

// The record table's keys and clicks, as in a file manager: the arrow keys,
// Page Up/Down, Home/End and Ctrl+Home/End move the selection with the
// current row (Shift extends it); Ctrl+arrows move only the focus and
// Ctrl+Space toggles that row. A cell is edited on a double click, F2 or
// typing, and only while one row is selected. An empty table says why.
class RecordTableView : public CustomTableView {
    Q_OBJECT

public:
    explicit RecordTableView(QWidget* parent = nullptr);
    using CustomTableView::edit;

    // Shown in the middle of the table while it has no rows.
    const QString& placeholderText() const { return m_placeholderText; }
    void setPlaceholderText(const QString& text);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool hasOneSelectedRow() const;
    static bool startsTyping(const QEvent* event);

    QString m_placeholderText;
};
