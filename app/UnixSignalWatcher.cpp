#include "UnixSignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// One pair per process: [0] is written by the handler, [1] read on the event loop.
int socketPair[2] = {-1, -1};
} // namespace

UnixSignalWatcher::UnixSignalWatcher(const QList<int>& signalNumbers, QObject* parent)
    : QObject(parent)
    , m_signals(signalNumbers) {
    if (socketPair[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, socketPair) != 0) {
        return;
    }
    // The handler must never block, even when nobody reads for a while.
    ::fcntl(socketPair[0], F_SETFL, ::fcntl(socketPair[0], F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(socketPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignal);

    struct sigaction action = {};
    action.sa_handler = &UnixSignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : m_signals) {
        ::sigaction(number, &action, nullptr);
    }
}

UnixSignalWatcher::~UnixSignalWatcher() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : m_signals) {
        ::sigaction(number, &action, nullptr);
    }
}

void UnixSignalWatcher::handle(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(socketPair[0], &byte, 1);
    errno = savedErrno;
}

void UnixSignalWatcher::readSignal() {
    // One signal per call: the notifier calls again while more are waiting.
    unsigned char byte = 0;
    if (::read(socketPair[1], &byte, 1) == 1) {
        emit signalReceived(int(byte));
    }
}
