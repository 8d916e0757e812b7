#pragma once

#include <QLocalServer>
#include <QObject>

class QLocalSocket;

// One kesh per library and user: a kesh started while another runs on the
// same library asks that one to show its window and ends quietly. The
// running kesh answers on a local socket named after the user's runtime
// folder and the library's path.
class RunningInstance : public QObject {
    Q_OBJECT

public:
    explicit RunningInstance(const QString& dataFilePath, QObject* parent = nullptr);

    static QString serverName(const QString& dataFilePath);
    // Asks the kesh that runs on this library to show its window. True once it said it did.
    static bool askToShow(const QString& dataFilePath, int timeoutMs = 3000);

    // Starts answering later launches. Only for the kesh that holds the
    // library's lock: a socket left behind by one that crashed is replaced.
    bool listen();
    bool isListening() const { return m_server.isListening(); }

signals:
    void showRequested();

private:
    void onNewConnection();
    void answer(QLocalSocket* socket);

    QString m_name;
    QLocalServer m_server;
};
