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
    connect(m_document, &LibraryDocument::recordsAdded, this, &IOTableModel::recordsAdded);
    connect(m_document, &LibraryDocument::recordsRemoved, this, &IOTableModel::recordsRemoved);
    connect(m_document, &LibraryDocument::recordsChanged, this, &IOTableModel::recordsChanged);
    // Every record carrying the keyword shows its new name.
    connect(m_document, &LibraryDocument::keywordRenamed, this,
            [this] { rowsChanged([](const IO*) { return true; }, KeywordsColumn, KeywordsColumn); });
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

namespace {
// Beyond this many separate runs of rows, one new layout costs the views less
// than a signal per run.
constexpr std::size_t maxRuns = 32;

struct Run {
    std::size_t first;
    std::size_t count;
};

// The runs of consecutive items of `list` that `picked` accepts; nullopt
// beyond maxRuns.
template <typename List, typename Picked>
std::optional<std::vector<Run>> runsOf(const List& list, Picked picked, std::size_t most = maxRuns) {
    std::vector<Run> runs;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!picked(list[i])) {
            continue;
        }
        if (!runs.empty() && runs.back().first + runs.back().count == i) {
            ++runs.back().count;
        } else if (runs.size() == most) {
            return std::nullopt;
        } else {
            runs.push_back({i, 1});
        }
    }
    return runs;
}

// Whether a record is one of `records`: a few are compared, more are looked up.
class RecordSet {
public:
    explicit RecordSet(const IOList& records) {
        if (records.size() <= few) {
            for (const IOPtr& record : records) {
                m_few.push_back(record.get());
            }
            return;
        }
        m_many.reserve(qsizetype(records.size()));
        for (const IOPtr& record : records) {
            m_many.insert(record.get());
        }
    }
    bool contains(const IO* record) const {
        return m_many.isEmpty() ? std::find(m_few.begin(), m_few.end(), record) != m_few.end()
                                : m_many.contains(record);
    }

private:
    static constexpr std::size_t few = 8;
    std::vector<const IO*> m_few;
    QSet<const IO*> m_many;
};
} // namespace

void IOTableModel::recordsAdded(const BookPtr& book, const IOList& records) {
    // A filtered book lists new records only once the search has seen them:
    // they come with the reload.
    if (book != m_book || records.empty() || m_book->isFiltered()) {
        return;
    }
    noteAmounts(records, m_book->count() - records.size());
    const IOList& list = m_book->records();
    const RecordSet added(records);
    const auto runs = runsOf(list, [&added](const IOPtr& record) { return added.contains(record.get()); });
    std::size_t count = 0;
    for (const Run& run : runs ? *runs : std::vector<Run>()) {
        count += run.count;
    }
    if (!runs || m_rows.size() + count != list.size()) {
        relayout(bookRows());
    } else {
        // From the top down: each run's place in the list is its row once the runs above are in.
        m_rows.reserve(list.size());
        Rows inserted;
        for (const Run& run : *runs) {
            inserted.clear();
            for (std::size_t i = run.first; i < run.first + run.count; ++i) {
                inserted.push_back(list[i].get());
            }
            beginInsertRows({}, int(run.first), int(run.first + run.count - 1));
            m_rows.insert(m_rows.begin() + qsizetype(run.first), inserted.begin(), inserted.end());
            endInsertRows();
        }
    }
    updateAmountDecimals();
}

void IOTableModel::recordsRemoved(const BookPtr& book, const IOList& records) {
    if (book != m_book || records.empty() || m_rows.empty()) {
        return;
    }
    // Now, while the records still live: they may go with the change that took them.
    const RecordSet gone(records);
    const auto runs = runsOf(m_rows, [&gone](const IO* record) { return gone.contains(record); });
    if (!runs) {
        Rows now;
        now.reserve(m_rows.size());
        std::copy_if(m_rows.begin(), m_rows.end(), std::back_inserter(now),
                     [&gone](const IO* record) { return !gone.contains(record); });
        relayout(std::move(now));
    } else {
        // From the bottom up, so the rows above keep their numbers.
        for (auto run = runs->rbegin(); run != runs->rend(); ++run) {
            beginRemoveRows({}, int(run->first), int(run->first + run->count - 1));
            m_rows.erase(m_rows.begin() + qsizetype(run->first), m_rows.begin() + qsizetype(run->first + run->count));
            endRemoveRows();
        }
    }
    updateAmountDecimals();
}

void IOTableModel::recordsChanged(const IOList& records, RecordRevision::Field field) {
    if (field == RecordRevision::Amount) {
        noteAmounts(records, m_book ? m_book->count() : 0);
        const int before = m_amountDecimals;
        updateAmountDecimals();
        if (m_amountDecimals != before) {
            return;
        }
    }
    if (records.size() == 1) {
        // The one edited row, without a pass over the others when it is near the top.
        const auto found = std::find(m_rows.begin(), m_rows.end(), records.front().get());
        if (found != m_rows.end()) {
            const int row = int(found - m_rows.begin());
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        }
        return;
    }
    // Many records at once (a keyword ticked on a selection): one signal over
    // every row costs the views less than looking up each row's record.
    if (records.size() > maxRuns) {
        rowsChanged([](const IO*) { return true; }, 0, ColumnCount - 1);
        return;
    }
    const RecordSet changed(records);
    rowsChanged([&changed](const IO* record) { return changed.contains(record); }, 0, ColumnCount - 1);
}

template <typename IsChanged> void IOTableModel::rowsChanged(IsChanged isChanged, int firstColumn, int lastColumn) {
    if (m_rows.empty()) {
        return;
    }
    if (const auto runs = runsOf(m_rows, isChanged)) {
        for (const Run& run : *runs) {
            emit dataChanged(index(int(run.first), firstColumn), index(int(run.first + run.count - 1), lastColumn));
        }
    } else {
        emit dataChanged(index(0, firstColumn), index(rowCount() - 1, lastColumn));
    }
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

IOPtr IOTableModel::recordAtRow(int row) const {
    const IO* address = m_rows[std::size_t(row)];
    // The rows are the book's list unless the book has changed since the
    // last reload; then the record is still one of the book's.
    const IOList& list = m_book->filteredList();
    if (std::size_t(row) < list.size() && list[std::size_t(row)].get() == address) {
        return list[std::size_t(row)];
    }
    const IOList& all = m_book->records();
    const auto found = std::find_if(all.begin(), all.end(), [address](const IOPtr& r) { return r.get() == address; });
    return found != all.end() ? *found : nullptr;
}

void IOTableModel::setBook(const BookPtr& book) {
    beginResetModel();
    m_book = book;
    m_rows = bookRows();
    m_amountDecimals = countedDecimals();
    endResetModel();
}

void IOTableModel::reload() {
    updateAmountDecimals();
    if (!m_book) {
        return;
    }
    const IOList& list = m_book->filteredList();
    const bool same = list.size() == m_rows.size() &&
                      std::equal(list.begin(), list.end(), m_rows.begin(),
                                 [](const IOPtr& record, const IO* row) { return record.get() == row; });
    if (!same) {
        relayout(bookRows());
    }
}

void IOTableModel::deleteRecords(const IOList& records) {
    if (!m_book || m_book->isSmart() || records.empty()) {
        return;
    }
    m_document->deleteRecords(m_book, records);
}

int IOTableModel::countedDecimals() {
    if (!m_book) {
        return m_amountDecimals;
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
    return m_format.columnDecimals(count.needed);
}

void IOTableModel::updateAmountDecimals() {
    const int decimals = countedDecimals();
    if (decimals != std::exchange(m_amountDecimals, decimals)) {
        rowsChanged([](const IO*) { return true; }, AmountColumn, AmountColumn);
    }
}

void IOTableModel::noteAmounts(const IOList& records, std::size_t countBefore) {
    if (!m_book) {
        return;
    }
    const auto found = m_decimals.find(m_book.get());
    if (found == m_decimals.end() || found->book.lock() != m_book || found->records != countBefore) {
        return;
    }
    int needed = 0;
    for (const IOPtr& record : records) {
        if (const std::optional<Amount> amount = record->amount()) {
            needed = qMax(needed, LedgerFormat::decimalsOf(*amount));
        }
    }
    // As many decimals as the column has, or more: the amounts cannot have
    // been the only ones that needed them. Fewer: only a full count tells.
    if (needed >= found->needed) {
        found->needed = needed;
        found->amounts = RecordRevision::current(RecordRevision::Amount);
        found->records = m_book->count();
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
        // An empty cell is still a cell a screen reader stops at.
        if (role == Qt::AccessibleTextRole && record.comment().isEmpty()) {
            return tr("No comment");
        }
        break;
    case KeywordsColumn:
        if (role == Qt::DisplayRole) {
            return record.keywordsAsString();
        }
        if (role == Qt::AccessibleTextRole && record.keywords().empty()) {
            return tr("No keywords");
        }
        break;
    case IncludeInStatsColumn:
        if (role == Qt::CheckStateRole) {
            return record.includeInStats() ? Qt::Checked : Qt::Unchecked;
        }
        if (role == Qt::AccessibleTextRole) {
            return record.includeInStats() ? tr("Counted") : tr("Not counted");
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
    // The document's signal has read the row again.
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
    // The shown book follows the document's word on the new order.
    m_document->sortBook(m_book, {SortDescriptor{key, order == Qt::AscendingOrder}});
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
    IOWeakList records;
    records.reserve(std::size_t(rows.size()));
    for (const int row : rows) {
        if (row >= 0 && row < rowCount()) {
            records.push_back(recordAtRow(row));
        }
    }
    return RecordDrag::mimeData(std::move(records));
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
    const IOList records = RecordDrag::records(data);
    m_document->addRecordsToBook(m_book, records);
    return true;
}

Qt::DropActions IOTableModel::supportedDragActions() const {
    return Qt::CopyAction;
}

Qt::DropActions IOTableModel::supportedDropActions() const {
    return Qt::CopyAction;
}
