#pragma once

#include "DataRoot.h"
#include "SmartBook.h"

#include <QObject>
#include <QPointer>

class ConditionEditWindow;
class ConditionTreeEditor;
class ConditionView;
class LibraryDocument;
class QWidget;

// Edits one smart book's condition tree in a sheet over the main window.
// The sheet opens on the book's tree (or an AND group with one amount row),
// runs modally, and on OK stores a new tree through the library document:
// one undoable change, a new book added with its tree, or a stored book
// given its new tree. Cancel changes nothing.
class ConditionEditWindowController : public QObject {
    Q_OBJECT

public:
    explicit ConditionEditWindowController(LibraryDocument* document, QObject* parent = nullptr);
    ~ConditionEditWindowController() override;

    static QString autosaveName() { return QStringLiteral("ConditionEditWindow"); }

    const DataRootPtr& dataRoot() const;
    void editSmartPlaylist(const SmartBookPtr& book) { m_currentBook = book; }
    const SmartBookPtr& currentBook() const { return m_currentBook; }
    // Shows the sheet and returns when it has closed: true after OK stored
    // a tree. A sheet already open ignores the request (false).
    bool openWindowAsSheetOf(QWidget* parent);
    // The sheet and the editor of its tree while it is open; nothing otherwise.
    ConditionEditWindow* window() const;
    ConditionTreeEditor* editor() const { return m_editor; }
    // The window's place, kept between runs; empty before the first sheet.
    QByteArray frame() const { return m_frame; }
    void setFrame(const QByteArray& frame) { m_frame = frame; }

    void okClicked();
    void cancelClicked();

    // The root of the tree shown; nothing while no sheet is open.
    ConditionView* rootView() const;
    // Stores the tree shown into the book; false, with the user told which
    // row stands in the way, when a row cannot become a condition.
    bool setConditionUsingRoot();

private:
    void tellRowsNotOffered(const QList<int>& rows);
    // The book is not in the library yet: OK adds it.
    bool isNewBook() const;

    LibraryDocument* m_document;
    SmartBookPtr m_currentBook;
    QPointer<ConditionEditWindow> m_window;
    ConditionTreeEditor* m_editor = nullptr;
    QByteArray m_frame;
    bool m_stored = false;
};
