#include "InstanceListener.h"

#include <QLocalSocket>

const QByteArray InstanceListener::showRequest = QByteArrayLiteral("show\n");
const QByteArray InstanceListener::shownAnswer = QByteArrayLiteral("shown\n");

InstanceListener::InstanceListener(const QString& name)
    : m_name(name)
    , m_server(this) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceListener::onNewConnection);
}

bool InstanceListener::listen() {
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void InstanceListener::onNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        answer(socket);
    }
}

void InstanceListener::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        // Whatever else a stranger sends is not listened to for long.
        if (socket->bytesAvailable() > showRequest.size()) {
            socket->abort();
        }
        return;
    }
    if (socket->readLine() != showRequest) {
        socket->abort();
        return;
    }
    // Said at once: kesh's own thread shows its window when it gets to it.
    emit showRequested();
    socket->write(shownAnswer);
    socket->flush();
    socket->disconnectFromServer();
}
