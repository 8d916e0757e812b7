#include "KeywordListModel.h"

#include "LibraryDocument.h"

#include <algorithm>

KeywordListModel::KeywordListModel(LibraryDocument* document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_keywords(document->root()->keywords())
    , m_carried(m_keywords.size(), -1) {
    connect(document, &LibraryDocument::aboutToChange, this, &KeywordListModel::onLibraryAboutToChange);
    connect(document, &LibraryDocument::changed, this, &KeywordListModel::onLibraryChanged);
    connect(document, &LibraryDocument::keywordAdded, this, &KeywordListModel::onKeywordAdded);
    connect(document, &LibraryDocument::keywordsRemoved, this, &KeywordListModel::onKeywordsRemoved);
    connect(document, &LibraryDocument::keywordRenamed, this, &KeywordListModel::onKeywordRenamed);
    connect(document, &LibraryDocument::recordsChanged, this, &KeywordListModel::onRecordsChanged);
}

void KeywordListModel::setRecords(IOList records) {
    m_records = std::move(records);
    boxesChanged();
}

KeywordPtr KeywordListModel::keywordAt(int row) const {
    return row >= 0 && row < rowCount() ? m_keywords[std::size_t(row)] : nullptr;
}

int KeywordListModel::rowOf(const Keyword* keyword) const {
    const auto found = std::find_if(m_keywords.begin(), m_keywords.end(),
                                    [keyword](const KeywordPtr& k) { return k.get() == keyword; });
    return found == m_keywords.end() ? -1 : int(found - m_keywords.begin());
}

void KeywordListModel::reloadData() {
    boxesChanged();
    if (!m_keywords.empty()) {
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn), {Qt::DisplayRole, Qt::EditRole});
    }
}

int KeywordListModel::nameError(int row, const QString& name) const {
    if (name.isEmpty()) {
        return 2;
    }
    if (m_document->root()->keywordWithNameExistsOtherThan(name, keywordAt(row).get())) {
        return 3;
    }
    return 0;
}

int KeywordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_keywords.size());
}

int KeywordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

bool KeywordListModel::carriedByAll(int row) const {
    std::int8_t& known = m_carried[std::size_t(row)];
    if (known < 0) {
        const Keyword* keyword = m_keywords[std::size_t(row)].get();
        known = std::all_of(m_records.begin(), m_records.end(),
                            [keyword](const IOPtr& record) { return record->includesKeyword(keyword); });
    }
    return known > 0;
}

QVariant KeywordListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (index.column() == NameColumn && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        return m_keywords[std::size_t(index.row())]->name();
    }
    // The box is read out with the keyword it gives.
    if (index.column() == IncludedColumn && role == Qt::AccessibleTextRole) {
        return m_keywords[std::size_t(index.row())]->name();
    }
    // Without records a box shows no value at all.
    if (index.column() == IncludedColumn && role == Qt::CheckStateRole && !m_records.empty()) {
        return carriedByAll(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

bool KeywordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return false;
    }
    const KeywordPtr keyword = m_keywords[std::size_t(index.row())];
    if (index.column() == NameColumn && role == Qt::EditRole) {
        const QString name = value.toString();
        if (nameError(index.row(), name) != 0) {
            return false;
        }
        m_document->renameKeyword(keyword, name);
        return true;
    }
    if (index.column() == IncludedColumn && role == Qt::CheckStateRole) {
        tick(keyword, value.toInt() == Qt::Checked);
        emit keywordTicked();
        return true;
    }
    return false;
}

void KeywordListModel::tick(const KeywordPtr& keyword, bool carried) {
    IOList listed;
    bool composedChanged = false;
    for (const IOPtr& record : m_records) {
        if (record->isListed()) {
            listed.push_back(record);
        } else if (record->includesKeyword(keyword) != carried) {
            // Not in the library yet: nothing to undo, nobody else shows it.
            carried ? record->addKeyword(keyword) : record->deleteKeyword(keyword.get());
            composedChanged = true;
        }
    }
    if (!listed.empty()) {
        m_document->setKeyword(keyword, listed, carried);
    }
    if (composedChanged) {
        boxesChanged();
    }
}

Qt::ItemFlags KeywordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() == NameColumn) {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant KeywordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == NameColumn ? tr("Keyword") : QVariant();
}

void KeywordListModel::boxesChanged() {
    m_carried.assign(m_keywords.size(), -1);
    if (!m_keywords.empty()) {
        emit dataChanged(index(0, IncludedColumn), index(rowCount() - 1, IncludedColumn), {Qt::CheckStateRole});
    }
}

void KeywordListModel::onLibraryAboutToChange(const LibraryDocument::Change& change) {
    if (change.kind == LibraryDocument::Change::Library) {
        m_resetting = true;
        beginResetModel();
    }
}

void KeywordListModel::onLibraryChanged() {
    if (m_resetting) {
        m_keywords = m_document->root()->keywords();
        m_carried.assign(m_keywords.size(), -1);
        m_resetting = false;
        endResetModel();
    }
}

void KeywordListModel::onKeywordAdded(const KeywordPtr& keyword) {
    if (m_resetting || rowOf(keyword.get()) >= 0) {
        return;
    }
    const KeywordList& list = m_document->root()->keywords();
    const auto at = std::find(list.begin(), list.end(), keyword);
    // Where it now stands among the keywords the view already knows.
    int row = 0;
    for (auto it = list.begin(); it != at; ++it) {
        row += rowOf(it->get()) >= 0 ? 1 : 0;
    }
    beginInsertRows({}, row, row);
    m_keywords.insert(m_keywords.begin() + row, keyword);
    m_carried.insert(m_carried.begin() + row, std::int8_t(-1));
    endInsertRows();
}

void KeywordListModel::onKeywordsRemoved(const KeywordList& keywords) {
    if (m_resetting) {
        return;
    }
    for (const KeywordPtr& keyword : keywords) {
        const int row = rowOf(keyword.get());
        if (row < 0) {
            continue;
        }
        beginRemoveRows({}, row, row);
        m_keywords.erase(m_keywords.begin() + row);
        m_carried.erase(m_carried.begin() + row);
        endRemoveRows();
    }
}

void KeywordListModel::onKeywordRenamed(const KeywordPtr& keyword) {
    const int row = rowOf(keyword.get());
    if (row >= 0) {
        emit dataChanged(index(row, NameColumn), index(row, NameColumn), {Qt::DisplayRole, Qt::EditRole});
    }
}

void KeywordListModel::onRecordsChanged(const IOList&, RecordRevision::Field field) {
    if (field == RecordRevision::Keywords && !m_records.empty()) {
        boxesChanged();
    }
}
