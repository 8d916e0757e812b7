#pragma once

#include <QObject>
#include <QThread>

class InstanceListener;

// One kesh per library and user: a kesh started while another runs on the
// same library asks that one to show its window and ends quietly. The
// running kesh answers on a local socket named after the user's runtime
// folder and the library's path, from a thread of its own, so that a launch
// is answered also while the running kesh is still reading a large library.
class RunningInstance : public QObject {
    Q_OBJECT

public:
    explicit RunningInstance(const QString& dataFilePath, QObject* parent = nullptr);
    ~RunningInstance() override;

    static QString serverName(const QString& dataFilePath);
    // Asks the kesh that runs on this library to show its window. True once it said it will.
    static bool askToShow(const QString& dataFilePath, int timeoutMs = 3000);

    // Starts answering later launches. Only for the kesh that holds the
    // library's lock: a socket left behind by one that crashed is replaced.
    bool listen();
    bool isListening() const { return m_listening; }

signals:
    // On this object's thread, once its event loop runs.
    void showRequested();

private:
    QString m_name;
    QThread m_thread;
    InstanceListener* m_listener = nullptr;
    bool m_listening = false;
};
