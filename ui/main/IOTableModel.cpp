#include "IOTableModel.h"

#include "LibraryDocument.h"
#include "RecordDrag.h"
#include "RecordRevision.h"

#include <QMimeData>

#include <algorithm>

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
    , m_amountDecimals(m_format.columnDecimals(0)) {
    connect(m_document, &LibraryDocument::aboutToChange, this, &IOTableModel::libraryAboutToChange);
    connect(m_document, &LibraryDocument::changed, this, &IOTableModel::libraryChanged);
}

void IOTableModel::libraryAboutToChange(const LibraryDocument::Change& change) {
    // Fields change in place: the rows stay, their cells are read again. Any
    // other change may move rows, so the views let go of every row first.
    m_resetting = change.kind != LibraryDocument::Change::Fields;
    if (m_resetting) {
        beginResetModel();
    }
}

void IOTableModel::libraryChanged() {
    if (m_resetting) {
        m_resetting = false;
        updateAmountDecimals();
        endResetModel();
    } else if (rowCount() > 0) {
        updateAmountDecimals();
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

void IOTableModel::setBook(const BookPtr& book) {
    beginResetModel();
    m_book = book;
    updateAmountDecimals();
    endResetModel();
}

void IOTableModel::reload() {
    beginResetModel();
    updateAmountDecimals();
    endResetModel();
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
    if (count.book.lock() != m_book || count.revision != RecordRevision::current() ||
        count.records != m_book->count()) {
        int needed = 0;
        for (const IOPtr& record : m_book->records()) {
            if (const std::optional<Amount> amount = record->amount()) {
                needed = qMax(needed, LedgerFormat::decimalsOf(*amount));
            }
        }
        count = {m_book, RecordRevision::current(), m_book->count(), m_format.columnDecimals(needed)};
    }
    m_amountDecimals = count.decimals;
}

int IOTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_book ? 0 : int(m_book->filteredCount());
}

int IOTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant IOTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const IO& record = *recordAtRow(index.row());
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
            role == Qt::EditRole ? m_format.parseAmount(value.toString(), nullptr) : std::nullopt;
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
    m_book->setSortDescriptors({SortDescriptor{key, order == Qt::AscendingOrder}});
    beginResetModel();
    m_book->resort();
    endResetModel();
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
            ids.append(recordAtRow(row)->recordId());
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
