#include "KeywordRulesWindow.h"

#include "KeywordRuleDialog.h"
#include "LibraryDocument.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

KeywordRulesWindow::KeywordRulesWindow(LibraryDocument* document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_ruleList(new QListWidget(this))
    , m_editButton(new QPushButton(tr("Edit…"), this))
    , m_deleteButton(new QPushButton(tr("Delete"), this))
    , m_upButton(new QPushButton(tr("Move Up"), this))
    , m_downButton(new QPushButton(tr("Move Down"), this)) {
    setObjectName(QStringLiteral("keywordRulesWindow"));
    setWindowTitle(tr("Keyword Rules"));
    m_ruleList->setObjectName(QStringLiteral("ruleList"));
    m_ruleList->setAccessibleName(tr("Keyword rules"));
    m_ruleList->setAccessibleDescription(tr("Rules in the order they are tried; the box turns a rule on or off."));
    auto* newButton = new QPushButton(tr("New…"), this);
    newButton->setObjectName(QStringLiteral("newRuleButton"));
    m_editButton->setObjectName(QStringLiteral("editRuleButton"));
    m_deleteButton->setObjectName(QStringLiteral("deleteRuleButton"));
    m_upButton->setObjectName(QStringLiteral("moveRuleUpButton"));
    m_downButton->setObjectName(QStringLiteral("moveRuleDownButton"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {newButton, m_editButton, m_deleteButton, m_upButton, m_downButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_ruleList, 1);
    layout->addLayout(buttons);

    connect(newButton, &QPushButton::clicked, this, &KeywordRulesWindow::newRule);
    connect(m_editButton, &QPushButton::clicked, this, &KeywordRulesWindow::editRule);
    connect(m_deleteButton, &QPushButton::clicked, this, &KeywordRulesWindow::deleteRule);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveRule(1); });
    connect(m_ruleList, &QListWidget::itemDoubleClicked, this, &KeywordRulesWindow::editRule);
    connect(m_ruleList, &QListWidget::itemChanged, this, &KeywordRulesWindow::itemChanged);
    connect(m_ruleList, &QListWidget::currentRowChanged, this, &KeywordRulesWindow::showButtons);
    // Keywords renamed or removed change what a rule says it adds.
    connect(m_document, &LibraryDocument::changed, this, &KeywordRulesWindow::fill);
    fill();
    resize(480, 320);
}

void KeywordRulesWindow::fill() {
    // Not under the signal of an item that the list would delete.
    if (m_inItemChange) {
        QMetaObject::invokeMethod(this, &KeywordRulesWindow::fill, Qt::QueuedConnection);
        return;
    }
    const KeywordRulePtr selected = selectedRule();
    m_filling = true;
    m_ruleList->clear();
    const KeywordRuleList& rules = m_document->root()->keywordRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        QStringList keywords;
        for (const KeywordPtr& keyword : rules[i]->keywords()) {
            keywords.append(keyword->name());
        }
        auto* item = new QListWidgetItem(tr("%1 — adds %2").arg(rules[i]->name(), keywords.join(QStringLiteral(", "))),
                                         m_ruleList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(rules[i]->isEnabled() ? Qt::Checked : Qt::Unchecked);
        if (rules[i] == selected) {
            m_ruleList->setCurrentRow(int(i));
        }
    }
    m_filling = false;
    showButtons();
}

KeywordRulePtr KeywordRulesWindow::selectedRule() const {
    const KeywordRuleList& rules = m_document->root()->keywordRules();
    const int row = m_ruleList->currentRow();
    return row >= 0 && std::size_t(row) < rules.size() ? rules[std::size_t(row)] : nullptr;
}

void KeywordRulesWindow::showButtons() {
    const int row = m_ruleList->currentRow();
    const bool chosen = selectedRule() != nullptr;
    m_editButton->setEnabled(chosen);
    m_deleteButton->setEnabled(chosen);
    m_upButton->setEnabled(chosen && row > 0);
    m_downButton->setEnabled(chosen && row + 1 < m_ruleList->count());
}

void KeywordRulesWindow::itemChanged(QListWidgetItem* item) {
    const KeywordRuleList& rules = m_document->root()->keywordRules();
    const int row = m_ruleList->row(item);
    if (m_filling || row < 0 || std::size_t(row) >= rules.size()) {
        return;
    }
    m_inItemChange = true;
    m_document->setKeywordRuleEnabled(rules[std::size_t(row)], item->checkState() == Qt::Checked);
    m_inItemChange = false;
}

void KeywordRulesWindow::newRule() {
    const KeywordRulePtr rule = KeywordRule::create(tr("New Rule"));
    if (KeywordRuleDialog(m_document, rule).exec(this)) {
        m_ruleList->setCurrentRow(int(m_document->root()->indexOfKeywordRule(rule.get())));
    }
}

void KeywordRulesWindow::editRule() {
    if (const KeywordRulePtr rule = selectedRule()) {
        KeywordRuleDialog(m_document, rule).exec(this);
    }
}

void KeywordRulesWindow::deleteRule() {
    // Undo brings it back: nothing to ask.
    if (const KeywordRulePtr rule = selectedRule()) {
        m_document->removeKeywordRule(rule);
    }
}

void KeywordRulesWindow::moveRule(int by) {
    const int row = m_ruleList->currentRow();
    const KeywordRulePtr rule = selectedRule();
    const int to = row + by;
    if (!rule || to < 0 || to >= m_ruleList->count()) {
        return;
    }
    m_document->moveKeywordRule(rule, std::size_t(to));
    m_ruleList->setCurrentRow(to);
}
