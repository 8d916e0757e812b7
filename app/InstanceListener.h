#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>

class QLocalSocket;

// The socket end of RunningInstance, on a thread of its own: it answers a
// later launch at once, also while kesh's own thread is still reading the
// library, and tells that thread through showRequested().
class InstanceListener : public QObject {
    Q_OBJECT

public:
    static const QByteArray showRequest;
    static const QByteArray shownAnswer;

    explicit InstanceListener(const QString& name);

    // Replaces a socket left behind by a kesh that crashed, then listens.
    bool listen();

signals:
    void showRequested();

private:
    void onNewConnection();
    void answer(QLocalSocket* socket);

    QString m_name;
    QLocalServer m_server;
};
