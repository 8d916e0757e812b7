#include "KeywordRuleDialog.h"

#include "Alert.h"
#include "ConditionEditWindow.h"
#include "ConditionTreeEditor.h"
#include "GroupConditionView.h"
#include "LibraryDocument.h"
#include "SingleConditionView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

KeywordRuleDialog::KeywordRuleDialog(LibraryDocument* document, KeywordRulePtr rule)
    : m_document(document)
    , m_rule(std::move(rule)) {}

bool KeywordRuleDialog::isNew() const {
    return m_document->root()->indexOfKeywordRule(m_rule.get()) == DataRoot::notFound;
}

QWidget* KeywordRuleDialog::buildHeader() {
    auto* header = new QWidget;
    auto* form = new QFormLayout(header);
    form->setContentsMargins(0, 0, 0, 8);
    m_nameField = new QLineEdit(m_rule->name(), header);
    m_nameField->setObjectName(QStringLiteral("ruleNameField"));
    form->addRow(tr("Name:"), m_nameField);
    m_enabledCheckBox = new QCheckBox(tr("On: applied to every import"), header);
    m_enabledCheckBox->setObjectName(QStringLiteral("ruleEnabledCheckBox"));
    m_enabledCheckBox->setChecked(m_rule->isEnabled());
    form->addRow(QString(), m_enabledCheckBox);
    m_keywordsList = new QListWidget(header);
    m_keywordsList->setObjectName(QStringLiteral("ruleKeywordsList"));
    const KeywordList& adds = m_rule->keywords();
    for (const KeywordPtr& keyword : m_document->root()->keywords()) {
        auto* item = new QListWidgetItem(keyword->name(), m_keywordsList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool added = std::find(adds.begin(), adds.end(), keyword) != adds.end();
        item->setCheckState(added ? Qt::Checked : Qt::Unchecked);
    }
    m_keywordsList->setMaximumHeight(m_keywordsList->fontMetrics().height() * 7);
    form->addRow(tr("Keywords to add:"), m_keywordsList);
    form->addRow(new QLabel(tr("To the records that match:"), header));
    return header;
}

KeywordList KeywordRuleDialog::checkedKeywords() const {
    KeywordList keywords;
    const KeywordList& all = m_document->root()->keywords();
    for (int row = 0; row < m_keywordsList->count() && std::size_t(row) < all.size(); ++row) {
        if (m_keywordsList->item(row)->checkState() == Qt::Checked) {
            keywords.push_back(all[std::size_t(row)]);
        }
    }
    return keywords;
}

bool KeywordRuleDialog::exec(QWidget* parent) {
    ConditionTreeEditor editor(m_document->root());
    ConditionEditWindow window(parent);
    window.setObjectName(QStringLiteral("keywordRuleDialog"));
    m_window = &window;
    m_editor = &editor;
    window.setWindowTitle(isNew() ? tr("New Keyword Rule") : tr("Keyword Rule “%1”").arg(m_rule->name()));
    window.setHeader(buildHeader());
    QObject::connect(&editor, &ConditionTreeEditor::rootChanged, &window, &ConditionEditWindow::setRoot);
    QObject::connect(window.buttonBox(), &QDialogButtonBox::accepted, &window, [this] {
        if (store()) {
            m_window->accept();
        }
    });
    QObject::connect(window.buttonBox(), &QDialogButtonBox::rejected, &window, &QDialog::reject);
    editor.open(m_rule->conditions());
    m_nameField->setFocus();
    const bool stored = window.exec() == QDialog::Accepted;
    m_window = nullptr;
    m_editor = nullptr;
    return stored;
}

bool KeywordRuleDialog::store() {
    const QString name = m_nameField->text().trimmed();
    if (name.isEmpty()) {
        Alert::inform(m_window, QStringLiteral("ruleNameAlert"), Alert::Icon::Warning, tr("The rule needs a name."),
                      tr("Give it a name that says what it does, such as “Groceries”."));
        m_nameField->setFocus();
        return false;
    }
    const KeywordList keywords = checkedKeywords();
    if (keywords.empty()) {
        Alert::inform(m_window, QStringLiteral("ruleKeywordsAlert"), Alert::Icon::Warning,
                      tr("The rule adds no keyword."), tr("Tick the keywords it gives the records it matches."));
        return false;
    }
    int row = 0;
    for (const SingleConditionView* single : m_editor->rows()) {
        ++row;
        if (const QString problem = single->problem(); !problem.isEmpty()) {
            Alert::inform(m_window, QStringLiteral("conditionRowAlert"), Alert::Icon::Warning,
                          tr("Row %1 (%2) cannot be stored.").arg(row).arg(single->parameterSelector()->currentText()),
                          problem);
            single->firstField()->setFocus();
            return false;
        }
    }
    ConditionPtr tree = m_editor->root() ? m_editor->root()->condition() : nullptr;
    if (!tree) {
        return false;
    }
    if (isNew()) {
        m_rule->setName(name);
        m_rule->setEnabled(m_enabledCheckBox->isChecked());
        m_rule->setConditions(std::move(tree));
        m_rule->setKeywords(keywords);
        m_document->addKeywordRule(m_rule);
    } else {
        m_document->editKeywordRule(m_rule, name, m_enabledCheckBox->isChecked(), std::move(tree), keywords);
    }
    return true;
}
