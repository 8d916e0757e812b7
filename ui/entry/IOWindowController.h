#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class EntryForm;
class LibraryDocument;
class QVBoxLayout;
class QWidget;

// The record entry window: a small window of its own that shows the entry
// form while it is open. Closing it keeps the form as it was, so it reopens
// with the unfinished record.
class IOWindowController : public QObject {
    Q_OBJECT

public:
    IOWindowController(LibraryDocument* document, EntryForm* form, QObject* parent = nullptr);
    ~IOWindowController() override;

    // Its frame in the preferences.
    static QString autosaveName() { return QStringLiteral("IOWindow"); }

    QWidget* window() const { return m_window.get(); }
    EntryForm* form() const { return m_form; }

    // Keeps the window above `host`, in the top right corner of its screen until placed.
    void setParentWindow(QWidget* host);
    // Closes a visible window (false); otherwise takes the form, as it was
    // left wherever it was shown, and shows it in front (true).
    bool toggleWindow();
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

signals:
    // The user closed the window with its close control.
    void windowClosed();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    std::unique_ptr<QWidget> m_window;
    QVBoxLayout* m_layout;
    // Also shown in the panel; whichever shows it owns it.
    QPointer<EntryForm> m_form;
};
