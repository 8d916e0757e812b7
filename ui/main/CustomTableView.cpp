#include "CustomTableView.h"

#include "RecordDrag.h"

#include <QDrag>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

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

bool CustomTableView::showsSelectedRow() const {
    const int top = rowAt(0);
    const int bottom = rowAt(viewport()->height() - 1);
    if (top < 0) {
        return false;
    }
    const int last = bottom < 0 ? model()->rowCount() - 1 : bottom;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (range.top() <= last && range.bottom() >= top) {
            return true;
        }
    }
    return false;
}

void CustomTableView::deleteSelectedRows() {
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty() && isVisible() && !showsSelectedRow()) {
        scrollTo(model()->index(rows.first(), horizontalHeader()->logicalIndexAt(0)),
                 QAbstractItemView::PositionAtCenter);
        return;
    }
    emit deleteRowsRequested(rows);
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

QModelIndex CustomTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // Rows are what is selected: Home and End go to the first and last row, not along the row.
    const int rows = model() ? model()->rowCount() : 0;
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && rows > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : horizontalHeader()->logicalIndex(0);
        return model()->index(cursorAction == MoveHome ? 0 : rows - 1, column);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

QPixmap CustomTableView::dragPicture(int count) const {
    const QFontMetrics metrics = fontMetrics();
    const QString number = locale().toString(count);
    const int side = metrics.height() * 2;
    const int badgeWidth = qMax(metrics.height(), metrics.horizontalAdvance(number) + metrics.height() / 2);
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(QSize(side + badgeWidth / 2 + 2, side + 2) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // See-through, so the book under the pointer shows which one takes the records.
    painter.setOpacity(0.8);
    const QPalette& colours = palette();
    const QRectF sheet(1, metrics.height() / 2.0, side - metrics.height() / 2.0, side - metrics.height() / 2.0);
    for (int i = 2; i >= 0; --i) {
        const QRectF shifted = sheet.translated(i * 2, -i * 2);
        painter.setPen(colours.color(QPalette::Mid));
        painter.setBrush(colours.color(QPalette::Base));
        painter.drawRoundedRect(shifted, 3, 3);
    }
    painter.setPen(colours.color(QPalette::Mid));
    for (int line = 1; line <= 3; ++line) {
        const qreal y = sheet.top() + sheet.height() * line / 4.0;
        painter.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4, y));
    }
    const QRectF badge(picture.width() / ratio - badgeWidth - 1, 1, badgeWidth, metrics.height());
    QPainterPath pill;
    pill.addRoundedRect(badge, badge.height() / 2, badge.height() / 2);
    painter.setOpacity(0.9);
    painter.fillPath(pill, colours.color(QPalette::Highlight));
    painter.setPen(colours.color(QPalette::HighlightedText));
    painter.drawText(badge, Qt::AlignCenter, number);
    return picture;
}

void CustomTableView::startDrag(Qt::DropActions supportedActions) {
    QModelIndexList indexes;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (model()->flags(index) & Qt::ItemIsDragEnabled) {
            indexes.append(index);
        }
    }
    if (indexes.isEmpty()) {
        return;
    }
    QMimeData* data = model()->mimeData(indexes);
    if (!data) {
        return;
    }
    const std::size_t count = RecordDrag::recordCount(data);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QPixmap picture = dragPicture(int(count));
    drag->setPixmap(picture);
    // The pointer at the picture's lower left, clear of the rows it moves over.
    drag->setHotSpot(QPoint(-fontMetrics().height() / 2, int(picture.height() / picture.devicePixelRatio())));
    drag->exec(supportedActions, defaultDropAction());
}
