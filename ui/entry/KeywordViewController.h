#pragma once

#include "IO.h"

#include <QList>
#include <QObject>

class KeywordListModel;
class LibraryDocument;
class QTableView;
class QWidget;

// A keyword checklist: a table of the library's keywords with a box for the
// records it works on and an editable name. Every checklist that exists is
// listed in allInstances(); a tick in one redraws them all, so the keyword
// window and the entry forms always agree.
class KeywordViewController : public QObject {
    Q_OBJECT

public:
    // The table is made as a child of `parent`; the checklist lives as long as the table.
    KeywordViewController(LibraryDocument* document, QWidget* parent);
    ~KeywordViewController() override;

    static const QList<KeywordViewController*>& allInstances();

    QTableView* keywordView() const { return m_view; }
    KeywordListModel* model() const { return m_model; }

    const IOList& records() const;
    void setRecords(IOList records);
    void reloadData();
    // Selects the keyword's row alone and starts editing its name; nothing when it is not listed.
    void editNameOf(const KeywordPtr& keyword);
    // Keywords of the selected rows, in row order.
    KeywordList selectedKeywords() const;

signals:
    // A name was refused: alert 2 (empty) or 3 (another keyword's).
    void complaintRaised(int errorNumber);
    // The checklist works on other records now.
    void recordsChanged();

private:
    void reloadAll();

    QTableView* m_view;
    KeywordListModel* m_model;
};
