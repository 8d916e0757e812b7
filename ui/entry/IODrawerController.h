#pragma once

#include <QDockWidget>
#include <QObject>
#include <QPointer>
#include <QString>

class EntryForm;
class LibraryDocument;
class QMainWindow;
class TextSuggestion;

// The record entry form as a panel on the right edge of a host window, with
// its own record and its own completion, apart from the entry window's.
class IODrawerController : public QObject {
    Q_OBJECT

public:
    // Smallest size of the panel's contents.
    static constexpr int minimumWidth = 207;
    static constexpr int minimumHeight = 408;

    IODrawerController(LibraryDocument* document, TextSuggestion* suggestion, QObject* parent = nullptr);
    ~IODrawerController() override;

    // Its place in the host window's state, in the preferences.
    static QString autosaveName() { return QStringLiteral("IODrawer"); }

    QDockWidget* drawer() const { return m_drawer; }
    EntryForm* form() const { return m_form; }

    // Attaches the panel to the host's right edge, hidden until opened.
    void setParentWindow(QMainWindow* window);
    QMainWindow* parentWindow() const;
    // Opens the panel on the right edge of the host, at least 207 × 408; an
    // open panel stays open. Always true.
    bool toggleDrawer();

signals:
    void complaintRaised(int errorNumber);
    void keywordWindowRequested();

private:
    // The host window owns the panel once it is attached.
    QPointer<QDockWidget> m_drawer;
    EntryForm* m_form;
};
