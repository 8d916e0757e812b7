#include "IOTableModel.h"

#include "LibraryDocument.h"
#include "RecordDrag.h"
#include "RecordRevision.h"

#include <QMimeData>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {
struct ColumnInfo {
    const char* key;
    const char* title;
};

constexpr ColumnInfo columns[IOTableModel::ColumnCount] = {
    {"date", QT_TRANSLATE_NOOP("IOTableModel", "Date")},
    {"amount", QT_TRANSLATE_NOOP("IOTableModel", "Amount")},
    {"comment", QT_TRANSLATE_NOOP("IOTableModel", "Comment")},
    {"keywordsAsString", QT_TRANSLATE_NOOP("IOTableModel", "Keywords")},
    {"includeInStats", QT_TRANSLATE_NOOP("IOTableModel", "Counted")},
};
} // namespace

QString IOTableModel::keyOfColumn(int column) {
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(columns[column].key) : QString();
}

int IOTableModel::columnOfKey(const QString& key) {
    for (int column = 0; column < ColumnCount; ++column) {
        if (key == QLatin1String(columns[column].key)) {
            return column;
        }
    }
    return -1;
}

IOTableModel::IOTableModel(LibraryDocument* document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_root(document->root())
    , m_book(m_root->mainLibrary())
    , m_rows(bookRows())
    , m_amountDecimals(m_format.columnDecimals(0)) {
    connect(m_document, &LibraryDocument::changed, this, &IOTableModel::libraryChanged);
    connect(m_document, &LibraryDocument::recordsRemoved, this, &IOTableModel::recordsRemoved);
    connect(m_document, &LibraryDocument::recordsChanged, this, &IOTableModel::recordsChanged);
}

void IOTableModel::libraryChanged() {
    // Fields, keyword names and the decimals of the column may have changed;
    // the rows themselves follow at the reload.
    updateAmountDecimals();
    allRowsChanged();
}

void IOTableModel::allRowsChanged() {
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

IOTableModel::Rows IOTableModel::bookRows() const {
    Rows rows;
    if (!m_book) {
        return rows;
    }
    const IOList& list = m_book->filteredList();
    rows.reserve(list.size());
    for (const IOPtr& record : list) {
        rows.push_back(record.get());
    }
    return rows;
}

void IOTableModel::recordsRemoved(const BookPtr& book, const IOList& records) {
    if (book != m_book || records.empty() || m_rows.empty()) {
        return;
    }
    // Now, while the records still live: they may go with the change that took them.
    QSet<const IO*> gone;
    gone.reserve(qsizetype(records.size()));
    for (const IOPtr& record : records) {
        gone.insert(record.get());
    }
    Rows now;
    now.reserve(m_rows.size());
    std::copy_if(m_rows.begin(), m_rows.end(), std::back_inserter(now),
                 [&gone](const IO* record) { return !gone.contains(record); });
    if (now.size() != m_rows.size() && !removeRows(now)) {
        relayout(std::move(now));
    }
}

namespace {
// Beyond this many separate runs of rows, one new layout costs the views less
// than a signal per run.
constexpr std::size_t maxRuns = 32;

struct Run {
    std::size_t first;
    std::size_t count;
};

// The runs of `longer` that `shorter` lacks, when `shorter` is `longer` less
// some of its items in the same order; nullopt otherwise or beyond maxRuns.
template <typename List> std::optional<std::vector<Run>> missingRuns(const List& longer, const List& shorter) {
    std::vector<Run> runs;
    std::size_t j = 0;
    for (std::size_t i = 0; i < longer.size(); ++i) {
        if (j < shorter.size() && longer[i] == shorter[j]) {
            ++j;
        } else if (!runs.empty() && runs.back().first + runs.back().count == i) {
            ++runs.back().count;
        } else if (runs.size() == maxRuns) {
            return std::nullopt;
        } else {
            runs.push_back({i, 1});
        }
    }
    if (j != shorter.size()) {
        return std::nullopt;
    }
    return runs;
}
} // namespace

bool IOTableModel::removeRows(const Rows& now) {
    const std::optional<std::vector<Run>> runs = missingRuns(m_rows, now);
    if (!runs) {
        return false;
    }
    // From the bottom up, so the rows above keep their numbers.
    for (auto run = runs->rbegin(); run != runs->rend(); ++run) {
        beginRemoveRows({}, int(run->first), int(run->first + run->count - 1));
        m_rows.erase(m_rows.begin() + qsizetype(run->first), m_rows.begin() + qsizetype(run->first + run->count));
        endRemoveRows();
    }
    return true;
}

bool IOTableModel::insertRows(const Rows& now) {
    const std::optional<std::vector<Run>> runs = missingRuns(now, m_rows);
    if (!runs) {
        return false;
    }
    // From the top down: each run's place in `now` is its row once the runs above are in.
    for (const Run& run : *runs) {
        beginInsertRows({}, int(run.first), int(run.first + run.count - 1));
        m_rows.insert(m_rows.begin() + qsizetype(run.first), now.begin() + qsizetype(run.first),
                      now.begin() + qsizetype(run.first + run.count));
        endInsertRows();
    }
    return true;
}

void IOTableModel::relayout(Rows now) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    // Where the records the views hold on to stand now: one pass over the new rows.
    QHash<const IO*, int> placed;
    placed.reserve(before.size());
    for (const QModelIndex& held : before) {
        placed.insert(m_rows[std::size_t(held.row())], -1);
    }
    for (std::size_t row = 0; row < now.size() && !placed.isEmpty(); ++row) {
        const auto found = placed.find(now[row]);
        if (found != placed.end() && found.value() < 0) {
            found.value() = int(row);
        }
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& held : before) {
        const int row = placed.value(m_rows[std::size_t(held.row())], -1);
        after.append(row >= 0 ? createIndex(row, held.column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    m_rows = std::move(now);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void IOTableModel::setBook(const BookPtr& book) {
    beginResetModel();
    m_book = book;
    m_rows = bookRows();
    m_rowsListVersion = m_book ? m_book->listVersion() : 0;
    updateAmountDecimals();
    endResetModel();
}

void IOTableModel::reload() {
    updateAmountDecimals();
    if (!m_book || m_book->listVersion() == m_rowsListVersion) {
        return;
    }
    m_rowsListVersion = m_book->listVersion();
    Rows now = bookRows();
    if (now == m_rows) {
        return;
    }
    if (now.size() > m_rows.size() && insertRows(now)) {
        return;
    }
    if (now.size() < m_rows.size() && removeRows(now)) {
        return;
    }
    relayout(std::move(now));
}

void IOTableModel::deleteRecords(const IOList& records) {
    if (!m_book || m_book->isSmart() || records.empty()) {
        return;
    }
    m_document->deleteRecords(m_book, records);
}

void IOTableModel::updateAmountDecimals() {
    if (!m_book) {
        return;
    }
    // The whole book, not what the search lists: the column keeps its look while the user types.
    DecimalsCount& count = m_decimals[m_book.get()];
    const std::uint64_t amounts = RecordRevision::current(RecordRevision::Amount);
    if (count.book.lock() != m_book || count.amounts != amounts || count.records != m_book->count()) {
        int needed = 0;
        for (const IOPtr& record : m_book->records()) {
            if (const std::optional<Amount> amount = record->amount()) {
                needed = qMax(needed, LedgerFormat::decimalsOf(*amount));
            }
        }
        count = {m_book, amounts, m_book->count(), needed};
    }
    m_amountDecimals = m_format.columnDecimals(count.needed);
}

void IOTableModel::recordsChanged(const IOList& records, RecordRevision::Field field) {
    if (field != RecordRevision::Amount || !m_book) {
        return;
    }
    const auto found = m_decimals.find(m_book.get());
    if (found == m_decimals.end() || found->book.lock() != m_book || found->records != m_book->count()) {
        return;
    }
    int needed = 0;
    for (const IOPtr& record : records) {
        if (const std::optional<Amount> amount = record->amount()) {
            needed = qMax(needed, LedgerFormat::decimalsOf(*amount));
        }
    }
    // As many decimals as the column has, or more: the edited amounts cannot
    // have been the only ones that needed them. Fewer: only a full count tells.
    if (needed >= found->needed) {
        found->needed = needed;
        found->amounts = RecordRevision::current(RecordRevision::Amount);
    }
}

int IOTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int IOTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant IOTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const IO& record = *addressAtRow(index.row());
    switch (index.column()) {
    case DateColumn:
        if (role == Qt::DisplayRole) {
            return m_format.formatDate(record.date());
        }
        if (role == Qt::EditRole) {
            return record.date();
        }
        break;
    case AmountColumn:
        if (role == Qt::DisplayRole) {
            return m_format.formatAmount(record.amount(), m_amountDecimals);
        }
        if (role == Qt::EditRole) {
            return m_format.amountForEditing(record.amount());
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        break;
    case CommentColumn:
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            return record.comment();
        }
        break;
    case KeywordsColumn:
        if (role == Qt::DisplayRole) {
            return record.keywordsAsString();
        }
        break;
    case IncludeInStatsColumn:
        if (role == Qt::CheckStateRole) {
            return record.includeInStats() ? Qt::Checked : Qt::Unchecked;
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant IOTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return tr(columns[section].title);
    case Qt::InitialSortOrderRole:
        // Newest first is what a ledger is read in.
        return section == DateColumn ? Qt::DescendingOrder : Qt::AscendingOrder;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((section == AmountColumn ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return section == IncludeInStatsColumn ? tr("Whether the record counts in the totals below") : QVariant();
    default:
        return {};
    }
}

bool IOTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount()) {
        return false;
    }
    const IOPtr record = recordAtRow(index.row());
    switch (index.column()) {
    case DateColumn: {
        const QDate day = value.toDate();
        if (role != Qt::EditRole || !day.isValid()) {
            return false;
        }
        m_document->setDate(record, day);
        break;
    }
    case AmountColumn: {
        // The editor has checked the text already; this is the last guard.
        const std::optional<Amount> amount =
            role == Qt::EditRole ? m_format.parseRecordAmount(value.toString(), nullptr) : std::nullopt;
        if (!amount) {
            return false;
        }
        m_document->setAmount(record, amount);
        break;
    }
    case CommentColumn:
        if (role != Qt::EditRole) {
            return false;
        }
        m_document->setComment(record, value.toString());
        break;
    case IncludeInStatsColumn:
        if (role != Qt::CheckStateRole) {
            return false;
        }
        m_document->setIncludeInStats(record, value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0);
        break;
    default:
        return false;
    }
    emit dataChanged(index, index);
    emit recordEdited(record, index.column());
    return true;
}

Qt::ItemFlags IOTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    switch (index.column()) {
    case DateColumn:
    case AmountColumn:
    case CommentColumn:
        flags |= Qt::ItemIsEditable;
        break;
    case IncludeInStatsColumn:
        flags |= Qt::ItemIsUserCheckable;
        break;
    default:
        break;
    }
    return flags;
}

void IOTableModel::sort(int column, Qt::SortOrder order) {
    const QString key = keyOfColumn(column);
    if (!m_book || key.isEmpty()) {
        return;
    }
    m_document->sortBook(m_book, {SortDescriptor{key, order == Qt::AscendingOrder}});
    m_rowsListVersion = m_book->listVersion();
    relayout(bookRows());
}

QStringList IOTableModel::mimeTypes() const {
    return {RecordDrag::mimeType()};
}

QMimeData* IOTableModel::mimeData(const QModelIndexList& indexes) const {
    QList<int> rows;
    for (const QModelIndex& index : indexes) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<IORegistry::Id> ids;
    ids.reserve(rows.size());
    for (const int row : rows) {
        if (row >= 0 && row < rowCount()) {
            ids.append(addressAtRow(row)->recordId());
        }
    }
    return RecordDrag::mimeData(ids);
}

bool IOTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int, const QModelIndex&) const {
    // Every record already stands in the main library.
    return action == Qt::CopyAction && m_book && m_book != m_root->mainLibrary() && RecordDrag::isRecordDrag(data);
}

bool IOTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    const IOList records = RecordDrag::records(*RecordDrag::recordIds(data));
    m_document->addRecordsToBook(m_book, records);
    emit recordsDropped();
    return true;
}

Qt::DropActions IOTableModel::supportedDragActions() const {
    return Qt::CopyAction;
}

Qt::DropActions IOTableModel::supportedDropActions() const {
    return Qt::CopyAction;
}
