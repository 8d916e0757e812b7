#pragma once

#include "Keyword.h"

#include <QByteArray>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

class KeywordViewController;
class LibraryDocument;
class QLabel;
class QPushButton;
class QWidget;

// The keyword window: the library's keywords as a checklist for the records
// selected in the record table, and the commands New, Delete, Search (records
// that carry every selected keyword) and Show All. Starts hidden.
class KeywordWindowController : public QObject {
    Q_OBJECT

public:
    explicit KeywordWindowController(LibraryDocument* document, QObject* parent = nullptr);
    ~KeywordWindowController() override;

    // Its frame in the preferences.
    static QString autosaveName() { return QStringLiteral("KeywordWindow"); }

    QWidget* window() const { return m_window.get(); }
    KeywordViewController* keywordView() const { return m_keywordView; }

    // Keeps the window above `host`, in the bottom right corner of its screen until placed.
    void setParentWindow(QWidget* host);
    // Closes a visible window (false); otherwise shows it in front (true).
    bool toggleWindow();
    // Shows the window in front, also when it is open already.
    void showWindow();

    // A keyword named "Untitled" at the end of the list, its name open for typing.
    void newKeyword();
    // The selected keywords leave every record and the list, without asking.
    void deleteKeywords();
    // From now on the selected book lists only records carrying every selected keyword.
    void searchBySelectedKeywords();
    void showAll();

    // The keywords the records must carry; empty when no keyword search is set.
    const KeywordList& searchKeywords() const { return m_searchKeywords; }
    // A search for these keywords, as if chosen in the window and searched.
    void searchFor(const KeywordList& keywords);
    bool isSearchActive() const { return m_searchActive; }
    void clearSearchKeywords();

    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

signals:
    // The keyword search changed (or a keyword it names was renamed).
    void searchKeywordsChanged();
    void complaintRaised(int errorNumber);
    // The window was shown (true) or closed (false), by a command or its close control.
    void openChanged(bool open);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void showHint();
    // The button's key, and a tooltip that names it in place of "%1".
    static void setKey(QPushButton* button, QKeySequence::StandardKey key, const QString& toolTip);
    QPushButton* addButton(const QString& name, const QString& text, void (KeywordWindowController::*command)());

    LibraryDocument* m_document;
    std::unique_ptr<QWidget> m_window;
    KeywordViewController* m_keywordView;
    QLabel* m_hintLabel;
    KeywordList m_searchKeywords;
    bool m_searchActive = false;
};
