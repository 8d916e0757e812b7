#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class EntryForm;
class LibraryDocument;
class TextSuggestion;
class QWidget;

// The record entry window: a small window of its own around an entry form.
// Closing it keeps the form as it was, so it reopens with the unfinished record.
class IOWindowController : public QObject {
    Q_OBJECT

public:
    IOWindowController(LibraryDocument* document, TextSuggestion* suggestion, QObject* parent = nullptr);
    ~IOWindowController() override;

    // Its frame in the preferences.
    static QString autosaveName() { return QStringLiteral("IOWindow"); }

    QWidget* window() const { return m_window.get(); }
    EntryForm* form() const { return m_form; }

    // Keeps the window above `host`, in the top right corner of its screen until placed.
    void setParentWindow(QWidget* host);
    // Closes a visible window (false); otherwise shows it in front (true).
    bool toggleWindow();
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

signals:
    void complaintRaised(int errorNumber);
    // The user closed the window with its close control.
    void windowClosed();
    // The form asks for the window in which keywords are made.
    void keywordWindowRequested();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    std::unique_ptr<QWidget> m_window;
    EntryForm* m_form;
};
