#include "KeywordViewController.h"

#include "KeywordListModel.h"
#include "KeywordNameDelegate.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace {
QList<KeywordViewController*>& registry() {
    static QList<KeywordViewController*> instances;
    return instances;
}
} // namespace

KeywordViewController::KeywordViewController(LibraryDocument* document, QWidget* parent)
    : m_view(new QTableView(parent))
    , m_model(new KeywordListModel(document, this)) {
    setParent(m_view);
    m_view->setObjectName(QStringLiteral("keywordTableView"));
    m_view->setAccessibleName(tr("Keywords"));
    m_view->setAccessibleDescription(tr("Ticking a keyword's box gives it to the records; Space ticks."));
    m_view->setModel(m_model);
    m_view->setItemDelegateForColumn(
        KeywordListModel::NameColumn,
        new KeywordNameDelegate([this](int row, const QString& name) { return m_model->nameError(row, name); },
                                [this](int errorNumber) { emit complaintRaised(errorNumber); }, m_view));
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    m_view->setTabKeyNavigation(false);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() * 3 / 2);
    QHeaderView* header = m_view->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(KeywordListModel::IncludedColumn, QHeaderView::Fixed);
    header->resizeSection(KeywordListModel::IncludedColumn, m_view->fontMetrics().height() * 2);
    header->setSectionResizeMode(KeywordListModel::NameColumn, QHeaderView::Stretch);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_model, &KeywordListModel::keywordTicked, this, &KeywordViewController::reloadAll);
    registry().append(this);
}

KeywordViewController::~KeywordViewController() {
    registry().removeOne(this);
}

const QList<KeywordViewController*>& KeywordViewController::allInstances() {
    return registry();
}

const IOList& KeywordViewController::records() const {
    return m_model->records();
}

void KeywordViewController::setRecords(IOList records) {
    m_model->setRecords(std::move(records));
    emit recordsChanged();
}

void KeywordViewController::reloadData() {
    m_model->reloadData();
}

void KeywordViewController::reloadAll() {
    for (KeywordViewController* checklist : allInstances()) {
        checklist->reloadData();
    }
}

void KeywordViewController::editNameOf(const KeywordPtr& keyword) {
    const int row = m_model->rowOf(keyword.get());
    if (row < 0) {
        return;
    }
    m_view->selectRow(row);
    const QModelIndex name = m_model->index(row, KeywordListModel::NameColumn);
    m_view->setCurrentIndex(name);
    m_view->scrollTo(name);
    m_view->edit(name);
}

KeywordList KeywordViewController::selectedKeywords() const {
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    KeywordList keywords;
    for (int row : rows) {
        keywords.push_back(m_model->keywordAt(row));
    }
    return keywords;
}
