#pragma once

#include "KeywordRule.h"

#include <QCoreApplication>

class ConditionEditWindow;
class ConditionTreeEditor;
class LibraryDocument;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QWidget;

// Edits one keyword rule in a sheet: its name, whether it is on, its
// condition tree in the condition editor, and the keywords it adds. OK stores
// it through the library document as one change (a new rule joins the
// library); Cancel changes nothing.
class KeywordRuleDialog {
    Q_DECLARE_TR_FUNCTIONS(KeywordRuleDialog)

public:
    KeywordRuleDialog(LibraryDocument* document, KeywordRulePtr rule);

    // Shows the sheet over `parent` and returns when it has closed: true
    // after OK stored the rule.
    bool exec(QWidget* parent);

private:
    QWidget* buildHeader();
    bool store();
    KeywordList checkedKeywords() const;
    bool isNew() const;

    LibraryDocument* m_document;
    KeywordRulePtr m_rule;
    ConditionEditWindow* m_window = nullptr;
    ConditionTreeEditor* m_editor = nullptr;
    QLineEdit* m_nameField = nullptr;
    QCheckBox* m_enabledCheckBox = nullptr;
    QListWidget* m_keywordsList = nullptr;
};
