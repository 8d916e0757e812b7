#include "RunningInstance.h"

#include "InstanceListener.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

RunningInstance::RunningInstance(const QString& dataFilePath, QObject* parent)
    : QObject(parent)
    , m_name(serverName(dataFilePath)) {
    m_thread.setObjectName(QStringLiteral("RunningInstance"));
}

RunningInstance::~RunningInstance() {
    m_thread.quit();
    m_thread.wait();
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
    socket.write(InstanceListener::showRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            return false;
        }
    }
    return socket.readLine() == InstanceListener::shownAnswer;
}

bool RunningInstance::listen() {
    if (m_listening) {
        return true;
    }
    if (!m_listener) {
        m_listener = new InstanceListener(m_name);
        m_listener->moveToThread(&m_thread);
        connect(&m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
        connect(m_listener, &InstanceListener::showRequested, this, &RunningInstance::showRequested);
        m_thread.start();
    }
    // The server is made to listen on the thread that answers it.
    QMetaObject::invokeMethod(
        m_listener, [this] { m_listening = m_listener->listen(); }, Qt::BlockingQueuedConnection);
    return m_listening;
}
