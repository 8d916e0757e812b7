#include "IOListController.h"

#include "Alert.h"
#include "AmountDelegate.h"
#include "CheckBoxDelegate.h"
#include "CustomTableView.h"
#include "DateDelegate.h"
#include "SmartBook.h"
#include "TextSuggestion.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMetaObject>

IOListController::IOListController(DataRootPtr root, TextSuggestion* commentSuggestion, CustomTableView* ioListView,
                                   QObject* parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_commentSuggestion(commentSuggestion)
    , m_view(ioListView)
    , m_model(new IOTableModel(m_root, this)) {
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    m_view->setDragEnabled(true);
    m_view->setAcceptDrops(true);
    m_view->setDropIndicatorShown(false);
    m_view->setDragDropMode(QAbstractItemView::DragDrop);
    m_view->setDefaultDropAction(Qt::CopyAction);
    m_view->setDragDropOverwriteMode(true);
    m_view->setItemDelegateForColumn(IOTableModel::DateColumn,
                                     new DateDelegate(m_model->format().dateFormat(), m_view));
    m_view->setItemDelegateForColumn(IOTableModel::AmountColumn, new AmountDelegate(m_view));
    m_view->setItemDelegateForColumn(IOTableModel::IncludeInStatsColumn, new CheckBoxDelegate(m_view));
    setUpColumns();

    QHeaderView* header = m_view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &IOListController::sortIndicatorChanged);
    connect(m_view, &CustomTableView::deleteRowsRequested, this, &IOListController::deleteRows);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &IOListController::tableViewSelectionDidChange);
    connect(m_model, &IOTableModel::recordEdited, this, &IOListController::recordEdited);
    connect(m_model, &IOTableModel::editRefused, this, &IOListController::editRefused);
    connect(m_model, &IOTableModel::recordsDropped, this, &IOListController::dataNeedsReloading);
    resetSortDescriptors();
}

void IOListController::setUpColumns() {
    QHeaderView* header = m_view->horizontalHeader();
    const QFontMetrics metrics = m_view->fontMetrics();
    const LedgerFormat& format = m_model->format();
    const int padding = metrics.averageCharWidth() * 3;
    const int dateWidth = metrics.horizontalAdvance(format.formatDate(QDate(2088, 12, 28))) + padding;
    const int amountWidth =
        metrics.horizontalAdvance(format.formatAmount(Amount::fromParts(-8888888888, -2))) + padding * 4 / 3;
    header->setMinimumSectionSize(metrics.averageCharWidth() * 4);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Comments and keywords share what the window gives; the figures keep their width.
    header->setSectionResizeMode(IOTableModel::CommentColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(IOTableModel::KeywordsColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(IOTableModel::IncludeInStatsColumn, QHeaderView::Fixed);
    header->resizeSection(IOTableModel::DateColumn, dateWidth);
    header->resizeSection(IOTableModel::AmountColumn, amountWidth);
    header->resizeSection(IOTableModel::IncludeInStatsColumn,
                          qMax(metrics.horizontalAdvance(
                                   m_model->headerData(IOTableModel::IncludeInStatsColumn, Qt::Horizontal).toString()) +
                                   padding,
                               metrics.height() * 3));
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void IOListController::setBook(const BookPtr& book) {
    m_model->setBook(book);
    // Nothing stays selected in another book.
    tableViewSelectionDidChange();
    resetSortDescriptors();
}

void IOListController::resetSortDescriptors() {
    QHeaderView* header = m_view->horizontalHeader();
    const BookPtr& shown = book();
    if (!shown) {
        return;
    }
    // The book already has this order; the reload that follows sorts it.
    const QSignalBlocker blocker(header);
    const SortDescriptorList& descriptors = shown->sortDescriptors();
    if (descriptors.isEmpty()) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
    } else {
        const SortDescriptor& first = descriptors.first();
        header->setSortIndicator(IOTableModel::columnOfKey(first.key),
                                 first.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    header->viewport()->update();
}

void IOListController::sortIndicatorChanged(int column, Qt::SortOrder order) {
    const IOList selected = m_selectedRecords;
    m_model->sort(column, order);
    if (!selected.empty()) {
        reselect(selected);
    }
}

void IOListController::reloadData() {
    const IOList selected = m_selectedRecords;
    m_model->reload();
    if (!selected.empty()) {
        reselect(selected);
    }
}

void IOListController::reselect(const IOList& records) {
    QSet<const IO*> wanted;
    wanted.reserve(qsizetype(records.size()));
    for (const IOPtr& record : records) {
        wanted.insert(record.get());
    }
    QItemSelection selection;
    int firstRow = -1;
    const int rows = m_model->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!wanted.contains(m_model->recordAtRow(row).get())) {
            continue;
        }
        int last = row;
        while (last + 1 < rows && wanted.contains(m_model->recordAtRow(last + 1).get())) {
            ++last;
        }
        selection.select(m_model->index(row, 0), m_model->index(last, IOTableModel::ColumnCount - 1));
        firstRow = firstRow < 0 ? row : firstRow;
        row = last;
    }
    QItemSelectionModel* selectionModel = m_view->selectionModel();
    if (firstRow >= 0) {
        selectionModel->setCurrentIndex(m_model->index(firstRow, 0), QItemSelectionModel::NoUpdate);
    }
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // Records that left the list are no longer selected, even when no signal said so.
    tableViewSelectionDidChange();
}

void IOListController::tableViewSelectionDidChange() {
    IOList records = selectedRecords();
    if (records == m_selectedRecords) {
        return;
    }
    m_selectedRecords = std::move(records);
    emit selectedRecordsChanged(m_selectedRecords);
}

void IOListController::deselectAll() {
    m_view->clearSelection();
    tableViewSelectionDidChange();
}

IOList IOListController::selectedRecords() const {
    IOList records;
    const QList<int> rows = m_view->selectedRows();
    records.reserve(std::size_t(rows.size()));
    for (const int row : rows) {
        if (row < m_model->rowCount()) {
            records.push_back(m_model->recordAtRow(row));
        }
    }
    return records;
}

void IOListController::deleteRows(const QList<int>& rows) {
    const BookPtr shown = book();
    if (shown && !shown->isSmart() && !rows.isEmpty()) {
        // Held until every book has let go of them.
        IOList doomed;
        QSet<const IO*> records;
        for (const int row : rows) {
            if (row >= 0 && row < m_model->rowCount()) {
                doomed.push_back(m_model->recordAtRow(row));
                records.insert(doomed.back().get());
            }
        }
        m_view->clearSelection();
        m_model->changeBook([&] {
            if (shown == m_root->mainLibrary()) {
                m_root->deleteIOs(records);
            } else {
                shown->removeObjects(records);
            }
        });
    }
    emit dataNeedsReloading();
    deselectAll();
}

void IOListController::recordEdited(const IOPtr& record, int column) {
    if (column == IOTableModel::CommentColumn && m_commentSuggestion) {
        m_commentSuggestion->addWord(record->comment());
    }
    // Later: the editor that committed the value is still closing, and the
    // reload may move the record or take it out of the list.
    QMetaObject::invokeMethod(this, &IOListController::dataNeedsReloading, Qt::QueuedConnection);
}

void IOListController::editRefused(const QString& message) {
    // Later as well: the message must not run inside the closing editor.
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            Alert::inform(m_view->window(), QStringLiteral("amountRefusedAlert"), Alert::Icon::Warning,
                          tr("The amount was not changed."), message);
        },
        Qt::QueuedConnection);
}
