#include "IOListController.h"

#include "Alert.h"

#include "RecordTableView.h"
#include "ShownBook.h"
#include "TextSuggestion.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>

IOListController::IOListController(DataRootPtr root, ShownBook* shown, IOTableModel* model, RecordTableView* ioListView,
                                   TextSuggestion* commentSuggestion, QObject* parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_shown(shown)
    , m_model(model)
    , m_view(ioListView)
    , m_commentSuggestion(commentSuggestion) {
    connect(m_view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &IOListController::onSortIndicatorChanged);
    connect(m_view, &RecordTableView::deleteRowsRequested, this, &IOListController::deleteRows);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &IOListController::onSelectionChanged);
    connect(m_model, &IOTableModel::recordEdited, this, &IOListController::onRecordEdited);
    connect(m_shown, &ShownBook::refreshed, this, &IOListController::reloadData);
    // Rows come and go with the document's changes too.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &IOListController::showPlaceholder);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &IOListController::showPlaceholder);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &IOListController::showPlaceholder);
    connect(m_model, &QAbstractItemModel::modelReset, this, &IOListController::showPlaceholder);
    resetSortDescriptors();
    announceDeleteState();
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

void IOListController::onSortIndicatorChanged(int column, Qt::SortOrder order) {
    // The selection moves with its records.
    m_model->sort(column, order);
    onSelectionChanged();
}

void IOListController::reloadData() {
    if (m_shown->book() != m_model->book()) {
        m_model->setBook(m_shown->book());
        resetSortDescriptors();
        announceDeleteState();
    } else {
        // The selection follows its records; what left the list is no longer selected.
        m_model->reload();
    }
    showPlaceholder();
    onSelectionChanged();
}

void IOListController::showPlaceholder() {
    m_view->setPlaceholderText(m_model->rowCount() == 0 ? emptyTableText() : QString());
}

QString IOListController::emptyTableText() const {
    const BookPtr& shown = book();
    if (!shown) {
        return {};
    }
    if (shown->count() > 0 && shown->isFiltered()) {
        const QString& key = shown->prevSearchKey();
        return key.isEmpty() ? tr("No records match the search.") : tr("No records match “%1”.").arg(key);
    }
    if (shown == m_root->mainLibrary()) {
        // The ways in: the entry window, a bank's statement, a legacy library.
        return tr("Your library has no records yet.\n\nNew records come in through the Record Entry window; "
                  "a bank's statements (CSV, OFX, QFX, QIF) come in with File › Import…, and the records of a "
                  "legacy library with File › Import Legacy Library…");
    }
    if (shown->isSmart()) {
        return tr("No record meets the conditions of this smart book.");
    }
    return tr("This book has no records yet. Drag records from the library onto it.");
}

void IOListController::onSelectionChanged() {
    IOList records = selectedRecords();
    if (records == m_selectedRecords) {
        return;
    }
    m_selectedRecords = std::move(records);
    announceDeleteState();
    emit selectedRecordsChanged(m_selectedRecords);
}

void IOListController::announceDeleteState() {
    const BookPtr& shown = book();
    if (shown && shown->isSmart()) {
        emit deleteStateChanged(false, tr("A smart book’s records follow its conditions: delete them in the library, "
                                          "or change the conditions."));
    } else if (m_selectedRecords.empty()) {
        emit deleteStateChanged(false, tr("Select the records to delete."));
    } else if (shown == m_root->mainLibrary()) {
        emit deleteStateChanged(true, tr("Deletes the selected records from the library and from every book."));
    } else {
        emit deleteStateChanged(true, tr("Takes the selected records out of “%1”. They stay in the library.")
                                          .arg(shown ? shown->bookName() : QString()));
    }
}

void IOListController::deselectAll() {
    m_view->clearSelection();
    onSelectionChanged();
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
    if (!shown || shown->isSmart() || rows.isEmpty()) {
        // The menu's Delete is off here; the key says so with a beep.
        QApplication::beep();
        return;
    }
    IOList doomed;
    doomed.reserve(std::size_t(rows.size()));
    for (const int row : rows) {
        if (row >= 0 && row < m_model->rowCount()) {
            doomed.push_back(m_model->recordAtRow(row));
        }
    }
    if (shown == m_root->mainLibrary() && !confirmLargeDeletion(doomed.size(), shown->count())) {
        return;
    }
    m_view->clearSelection();
    m_model->deleteRecords(doomed);
    deselectAll();
    // The keyboard goes on from where the records were.
    const int next = qMin(rows.first(), m_model->rowCount() - 1);
    if (next >= 0) {
        const QModelIndex place = m_model->index(next, m_view->horizontalHeader()->logicalIndex(0));
        m_view->selectionModel()->setCurrentIndex(place, QItemSelectionModel::NoUpdate);
        m_view->scrollTo(place);
    }
}

bool IOListController::confirmLargeDeletion(std::size_t removed, std::size_t libraryCount) const {
    if (!LibraryDocument::isLargeRemoval(removed, libraryCount)) {
        return true;
    }
    const QLocale locale;
    Alert alert(m_view->window(), QStringLiteral("largeDeletionAlert"), Alert::Icon::Warning,
                tr("Delete %Ln record(s) from your library?", nullptr, int(removed)),
                tr("That is %1 of its %2 records; they also leave every book. Edit › Undo brings them back.")
                    .arg(locale.toString(qulonglong(removed)), locale.toString(qulonglong(libraryCount))));
    const int remove = alert.addButton(tr("Delete"), QMessageBox::DestructiveRole);
    const int keep = alert.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // A reflex Return keeps the records.
    alert.setDefaultButton(keep);
    alert.setEscapeButton(keep);
    return alert.exec() == remove;
}

void IOListController::onRecordEdited(const IOPtr& record, int column) {
    if (column == IOTableModel::CommentColumn && m_commentSuggestion) {
        m_commentSuggestion->addWord(record->comment());
    }
}
