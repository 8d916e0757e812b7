#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class LibraryDocument;

// Writes the library a few seconds after the last change, once the user is
// idle, so a crash or a lost display costs at most those seconds. A failed
// save is told once (failed()); the changes stay in memory and the next
// change, or a minute, tries again.
class Autosaver : public QObject {
    Q_OBJECT

public:
    // Writes the library; false with the reason in `error`.
    using Save = std::function<bool(QString* error)>;

    static constexpr int idleMilliseconds = 3000;
    static constexpr int retryMilliseconds = 60000;

    Autosaver(LibraryDocument* document, Save save, QObject* parent = nullptr);

    // Saves now when there are unsaved changes; true when nothing is left unsaved.
    bool saveNow();
    bool isFailing() const { return m_failing; }

signals:
    // The first failure after a success.
    void failed(const QString& error);
    // A save succeeded after failures.
    void recovered();

private:
    void libraryChanged();

    LibraryDocument* m_document;
    Save m_save;
    QTimer m_idle;
    bool m_failing = false;
};
