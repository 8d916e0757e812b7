#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO made at a path for as long as this lives, with a watch on it. Were
// the code under test to open it for reading, it would wait for a writer for
// good; the watch plays that writer at once, so the reader goes on (and reads
// nothing), and notes that the FIFO was opened.
class WatchedFifo {
public:
    explicit WatchedFifo(const QString& path)
        : m_path(path)
        , m_made(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0) {
        if (m_made) {
            m_watch = std::thread([this] { watch(); });
        }
    }
    ~WatchedFifo() {
        m_stop = true;
        if (m_watch.joinable()) {
            m_watch.join();
        }
        QFile::remove(m_path);
    }
    WatchedFifo(const WatchedFifo&) = delete;
    WatchedFifo& operator=(const WatchedFifo&) = delete;

    const QString& path() const { return m_path; }
    bool made() const { return m_made; }
    bool wasOpened() const { return m_opened; }

private:
    void watch() {
        const QByteArray name = QFile::encodeName(m_path);
        while (!m_stop) {
            // Succeeds only while a reader has it open, or waits to.
            const int descriptor = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (descriptor >= 0) {
                m_opened = true;
                ::close(descriptor);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    QString m_path;
    bool m_made;
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_opened = false;
    std::thread m_watch;
};
