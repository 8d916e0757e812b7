#pragma once

#include <QDockWidget>
#include <QObject>
#include <QPointer>
#include <QString>

class EntryForm;
class QMainWindow;
class QVBoxLayout;

// The record entry form as a panel on the right edge of a host window. The
// form is the one the entry window shows too, one place at a time: opening
// the panel takes it, with what was typed, from wherever it was.
class IODrawerController : public QObject {
    Q_OBJECT

public:
    // Smallest size of the panel's contents.
    static constexpr int minimumWidth = 207;
    static constexpr int minimumHeight = 408;

    explicit IODrawerController(EntryForm* form, QObject* parent = nullptr);
    ~IODrawerController() override;

    // Its place in the host window's state, in the preferences.
    static QString autosaveName() { return QStringLiteral("IODrawer"); }

    QDockWidget* drawer() const { return m_drawer; }
    EntryForm* form() const { return m_form; }

    // Attaches the panel to the host's right edge, hidden until opened.
    void setParentWindow(QMainWindow* window);
    QMainWindow* parentWindow() const;
    // Opens the panel with the form on the right edge of the host, at least
    // 207 × 408; an open panel stays open. Always true.
    bool toggleDrawer();

private:
    // The host window owns the panel once it is attached.
    QPointer<QDockWidget> m_drawer;
    QWidget* m_contents;
    QVBoxLayout* m_layout;
    // Also shown in the entry window; whichever shows it owns it.
    QPointer<EntryForm> m_form;
};
