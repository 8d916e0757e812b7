#include "ImportRulesList.h"

ImportRulesList::ImportRulesList(const DataRoot& root, QWidget* parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("rulesList"));
    setAccessibleName(tr("Keyword rules to apply"));
    for (const KeywordRulePtr& rule : root.keywordRules()) {
        if (!rule->isEnabled() || !rule->conditions()) {
            continue;
        }
        QStringList keywords;
        for (const KeywordPtr& keyword : rule->keywords()) {
            keywords.append(keyword->name());
        }
        auto* item =
            new QListWidgetItem(tr("%1 (adds %2)").arg(rule->name(), keywords.join(QStringLiteral(", "))), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        m_rules.push_back(rule.get());
    }
    connect(this, &QListWidget::itemChanged, this, &ImportRulesList::ticksChanged);
}

std::vector<const KeywordRule*> ImportRulesList::skipped() const {
    std::vector<const KeywordRule*> rules;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->checkState() != Qt::Checked) {
            rules.push_back(m_rules[std::size_t(row)]);
        }
    }
    return rules;
}
