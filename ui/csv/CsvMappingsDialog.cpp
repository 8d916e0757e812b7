#include "CsvMappingsDialog.h"

#include "CsvMappingStore.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// An item's place in m_mappings.
constexpr int indexRole = Qt::UserRole;
} // namespace

CsvMappingsDialog::CsvMappingsDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("csvMappingsDialog"));
    setWindowTitle(tr("CSV Mappings"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("mappingList"));
    m_list->setAccessibleName(tr("Mappings"));
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(m_list, &QListWidget::itemChanged, this, &CsvMappingsDialog::renamed);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CsvMappingsDialog::selectionChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    m_renameButton = buttons->addButton(tr("&Rename"), QDialogButtonBox::ActionRole);
    m_renameButton->setObjectName(QStringLiteral("renameMappingButton"));
    connect(m_renameButton, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_list->currentItem()) {
            m_list->editItem(item);
        }
    });
    m_deleteButton = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    m_deleteButton->setObjectName(QStringLiteral("deleteMappingButton"));
    connect(m_deleteButton, &QPushButton::clicked, this, &CsvMappingsDialog::deleteSelected);
    auto* deleteAction = new QAction(m_list);
    deleteAction->setShortcut(QKeySequence::Delete);
    deleteAction->setShortcutContext(Qt::WidgetShortcut);
    connect(deleteAction, &QAction::triggered, this, &CsvMappingsDialog::deleteSelected);
    m_list->addAction(deleteAction);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("kesh applies a mapping to every file of the kind it was made for. Double-click a "
                                "name to change it."));
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    fill();
}

QString CsvMappingsDialog::describe(const CsvSavedMapping& mapping) {
    if (!mapping.shape.headerNames.isEmpty()) {
        return tr("Files whose columns are named: %1").arg(mapping.shape.headerNames.join(QStringLiteral(", ")));
    }
    return tr("Files of %n columns without names", nullptr, mapping.shape.columnCount);
}

void CsvMappingsDialog::fill() {
    m_filling = true;
    m_mappings = CsvMappingStore().mappings();
    m_list->clear();
    for (std::size_t i = 0; i < m_mappings.size(); ++i) {
        auto* item = new QListWidgetItem(m_mappings[i].name);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setData(indexRole, int(i));
        item->setToolTip(describe(m_mappings[i]));
        m_list->addItem(item);
    }
    if (m_list->count() > 0) {
        m_list->setCurrentRow(0);
    }
    m_filling = false;
    selectionChanged();
}

void CsvMappingsDialog::renamed(QListWidgetItem* item) {
    if (m_filling) {
        return;
    }
    CsvSavedMapping& mapping = m_mappings[std::size_t(item->data(indexRole).toInt())];
    const QString name = item->text().trimmed();
    if (!CsvMappingStore().rename(mapping.shape, name)) {
        // No name is no rename: the item shows the name kept.
        m_filling = true;
        item->setText(mapping.name);
        m_filling = false;
        return;
    }
    mapping.name = name;
}

void CsvMappingsDialog::deleteSelected() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item) {
        return;
    }
    CsvMappingStore().forget(m_mappings[std::size_t(item->data(indexRole).toInt())].shape);
    fill();
}

void CsvMappingsDialog::selectionChanged() {
    const bool any = m_list->currentItem() != nullptr;
    m_renameButton->setEnabled(any);
    m_deleteButton->setEnabled(any);
}
