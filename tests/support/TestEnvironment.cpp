#include "TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <ctime>

namespace {
QTemporaryDir*& homeDir() {
    // Lives until the process ends, then removes itself.
    static QTemporaryDir* dir = nullptr;
    return dir;
}
} // namespace

void TestEnvironment::setUp() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    if (!homeDir()) {
        homeDir() = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kesh-test-XXXXXX"));
        std::atexit([] { delete homeDir(); });
    }
    const QByteArray home = QFile::encodeName(homeDir()->path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_STATE_HOME", home + "/.local/state");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(QString::fromLocal8Bit(home + "/.runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(home + "/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestEnvironment::home() {
    return homeDir() ? homeDir()->path() : QString();
}

void TestEnvironment::setTimeZone(const char* zone) {
    qputenv("TZ", zone);
    tzset();
}
