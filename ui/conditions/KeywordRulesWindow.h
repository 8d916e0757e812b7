#pragma once

#include "KeywordRule.h"

#include <QWidget>

class LibraryDocument;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Window › Keyword Rules: the library's rules in the order they apply, each
// ticked while it is on. New, Edit and Delete, and moving a rule up or down,
// are changes of the document that undo takes back; the list follows the
// document, undo and redo too.
class KeywordRulesWindow : public QWidget {
    Q_OBJECT

public:
    explicit KeywordRulesWindow(LibraryDocument* document, QWidget* parent = nullptr);

    void newRule();
    void editRule();
    void deleteRule();
    void moveRule(int by);

private:
    void fill();
    void itemChanged(QListWidgetItem* item);
    void showButtons();
    KeywordRulePtr selectedRule() const;

    LibraryDocument* m_document;
    QListWidget* m_ruleList;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    QPushButton* m_upButton;
    QPushButton* m_downButton;
    bool m_filling = false;
    bool m_inItemChange = false;
};
