#include "RunningInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QByteArray showRequest = "show\n";
const QByteArray shownAnswer = "shown\n";
} // namespace

RunningInstance::RunningInstance(const QString& dataFilePath, QObject* parent)
    : QObject(parent)
    , m_name(serverName(dataFilePath)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &RunningInstance::onNewConnection);
}

QString RunningInstance::serverName(const QString& dataFilePath) {
    const QString path = QFileInfo(dataFilePath).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("kesh-") + QString::fromLatin1(hash);
    // The runtime folder is the user's own; without one the name also says whose it is.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        return name + QLatin1Char('-') + QString::number(QFileInfo(QDir::homePath()).ownerId());
    }
    return runtime + QLatin1Char('/') + name;
}

bool RunningInstance::askToShow(const QString& dataFilePath, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName(dataFilePath));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            return false;
        }
    }
    return socket.readLine() == shownAnswer;
}

bool RunningInstance::listen() {
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void RunningInstance::onNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        answer(socket);
    }
}

void RunningInstance::answer(QLocalSocket* socket) {
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
    emit showRequested();
    socket->write(shownAnswer);
    socket->flush();
    socket->disconnectFromServer();
}
