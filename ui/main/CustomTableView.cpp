#include "CustomTableView.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

CustomTableView::CustomTableView(QWidget* parent)
    : QTableView(parent) {}

QList<int> CustomTableView::selectedRows() const {
    QList<int> rows;
    if (!selectionModel()) {
        return rows;
    }
    const QModelIndexList indexes = selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CustomTableView::deleteSelectedRows() {
    emit deleteRowsRequested(selectedRows());
}

bool CustomTableView::isEraseKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) && modifiers == Qt::NoModifier;
}

bool CustomTableView::event(QEvent* event) {
    // Claim the erase keys before a window shortcut takes them.
    if (event->type() == QEvent::ShortcutOverride && !isEditing() && isEraseKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void CustomTableView::keyPressEvent(QKeyEvent* event) {
    if (!isEditing() && isEraseKey(event)) {
        deleteSelectedRows();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
