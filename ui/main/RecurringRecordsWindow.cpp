#include "RecurringRecordsWindow.h"

#include "LibraryDocument.h"
#include "RecurringRecordDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecurringRecordsWindow::RecurringRecordsWindow(LibraryDocument* document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_list(new QTreeWidget(this))
    , m_editButton(new QPushButton(tr("Edit…"), this))
    , m_deleteButton(new QPushButton(tr("Delete"), this)) {
    setObjectName(QStringLiteral("recurringRecordsWindow"));
    setWindowTitle(tr("Recurring Records"));
    m_list->setObjectName(QStringLiteral("recurringList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Comment"), tr("Amount"), tr("Repeats"), tr("Next Due")});
    m_list->header()->setSectionResizeMode(RuleColumn, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    auto* newButton = new QPushButton(tr("New…"), this);
    newButton->setObjectName(QStringLiteral("newRecurringButton"));
    m_editButton->setObjectName(QStringLiteral("editRecurringButton"));
    m_deleteButton->setObjectName(QStringLiteral("deleteRecurringButton"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {newButton, m_editButton, m_deleteButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(newButton, &QPushButton::clicked, this, &RecurringRecordsWindow::newRecord);
    connect(m_editButton, &QPushButton::clicked, this, &RecurringRecordsWindow::editRecord);
    connect(m_deleteButton, &QPushButton::clicked, this, &RecurringRecordsWindow::deleteRecord);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &RecurringRecordsWindow::editRecord);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &RecurringRecordsWindow::showButtons);
    // Entering moves the next due day; a library put in place brings others.
    connect(m_document, &LibraryDocument::changed, this, &RecurringRecordsWindow::fill);
    fill();
    resize(640, 320);
}

void RecurringRecordsWindow::fill() {
    const RecurringRecordPtr selected = selectedRecord();
    m_list->clear();
    const RecurringRecordList& records = m_document->root()->recurringRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RecurringRecord& record = *records[i];
        const QDate next = record.nextDue();
        auto* item = new QTreeWidgetItem(m_list, {record.comment(), m_format.formatAmount(record.amount()),
                                                  RecurringRecordDialog::ruleText(record.rule(), m_format),
                                                  next.isValid() ? m_format.formatDate(next) : tr("Ended")});
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (records[i] == selected) {
            m_list->setCurrentItem(item);
        }
    }
    for (const int column : {CommentColumn, AmountColumn, NextDueColumn}) {
        m_list->resizeColumnToContents(column);
    }
    showButtons();
}

RecurringRecordPtr RecurringRecordsWindow::selectedRecord() const {
    const RecurringRecordList& records = m_document->root()->recurringRecords();
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    return row >= 0 && std::size_t(row) < records.size() ? records[std::size_t(row)] : nullptr;
}

void RecurringRecordsWindow::showButtons() {
    const bool chosen = selectedRecord() != nullptr;
    m_editButton->setEnabled(chosen);
    m_deleteButton->setEnabled(chosen);
}

void RecurringRecordsWindow::newRecord() {
    const RecurringRecordPtr record = RecurringRecord::create();
    if (RecurringRecordDialog(m_document, record, this).exec() == QDialog::Accepted) {
        const std::size_t index = m_document->root()->indexOfRecurringRecord(record.get());
        m_list->setCurrentItem(m_list->topLevelItem(int(index)));
    }
}

void RecurringRecordsWindow::editRecord() {
    if (const RecurringRecordPtr record = selectedRecord()) {
        RecurringRecordDialog(m_document, record, this).exec();
    }
}

void RecurringRecordsWindow::deleteRecord() {
    // Undo brings it back: nothing to ask.
    if (const RecurringRecordPtr record = selectedRecord()) {
        m_document->removeRecurringRecord(record);
    }
}
