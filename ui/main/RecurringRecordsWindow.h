#pragma once

#include "LedgerFormat.h"
#include "RecurringRecord.h"

#include <QWidget>

class LibraryDocument;
class QPushButton;
class QTreeWidget;

// Window › Recurring Records: each with its comment, amount, rule and the
// next day it falls due. New, Edit and Delete are changes of the document
// that undo takes back; the list follows the document, undo and redo too.
class RecurringRecordsWindow : public QWidget {
    Q_OBJECT

public:
    enum Column { CommentColumn, AmountColumn, RuleColumn, NextDueColumn };

    explicit RecurringRecordsWindow(LibraryDocument* document, QWidget* parent = nullptr);

    void newRecord();
    void editRecord();
    void deleteRecord();
    RecurringRecordPtr selectedRecord() const;

private:
    void fill();
    void showButtons();

    LibraryDocument* m_document;
    LedgerFormat m_format;
    QTreeWidget* m_list;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
};
