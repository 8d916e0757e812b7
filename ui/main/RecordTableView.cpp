#include "RecordTableView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

RecordTableView::RecordTableView(QWidget* parent)
    : CustomTableView(parent) {}

void RecordTableView::setPlaceholderText(const QString& text) {
    if (text != m_placeholderText) {
        m_placeholderText = text;
        viewport()->update();
    }
}

QItemSelectionModel::SelectionFlags RecordTableView::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
    if (event && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Ctrl+Home and Ctrl+End select like Home and End; only Ctrl+arrows leave the selection alone.
        if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) && (key->modifiers() & Qt::ControlModifier)) {
            return (key->modifiers() & Qt::ShiftModifier ? QItemSelectionModel::SelectCurrent
                                                         : QItemSelectionModel::ClearAndSelect) |
                   QItemSelectionModel::Rows;
        }
    }
    return CustomTableView::selectionCommand(index, event);
}

bool RecordTableView::hasOneSelectedRow() const {
    // From the ranges: a selection of a million rows is not listed row by row.
    int rows = 0;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        rows += range.height();
        if (rows > 1) {
            return false;
        }
    }
    return rows == 1;
}

bool RecordTableView::startsTyping(const QEvent* event) {
    if (!event || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Space and Ctrl+Space select; shortcuts are no text.
    return key->key() != Qt::Key_Space &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool RecordTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opensEditor = trigger == DoubleClicked || trigger == EditKeyPressed || trigger == AllEditTriggers ||
                             (trigger == AnyKeyPressed && startsTyping(event));
    // A check box still takes its click or its space bar; no editor opens in a multi-selection.
    if (!opensEditor || (trigger != AllEditTriggers && !hasOneSelectedRow())) {
        return CustomTableView::edit(index, NoEditTriggers, event);
    }
    return CustomTableView::edit(index, trigger, event);
}

void RecordTableView::paintEvent(QPaintEvent* event) {
    CustomTableView::paintEvent(event);
    if (m_placeholderText.isEmpty() || !model() || model()->rowCount() > 0) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height() * 2;
    const QRect area = viewport()->rect().adjusted(margin, margin, -margin, -margin);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_placeholderText);
}
