#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop. The
// handler itself only writes the signal number into a socket; everything
// else happens later, outside the handler.
class UnixSignalWatcher : public QObject {
    Q_OBJECT

public:
    explicit UnixSignalWatcher(const QList<int>& signalNumbers, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void signalReceived(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QList<int> m_signals;
    QSocketNotifier* m_notifier = nullptr;
};
