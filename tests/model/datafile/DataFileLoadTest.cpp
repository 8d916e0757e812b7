#include "Crc32.h"
#include "DataFile.h"
#include "DataFileFormat.h"
#include "DataFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Status = DataFile::Status;

QByteArray libraryBytes() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(DataFileWriter().write(*DataRoot::create(), &buffer));
    return bytes;
}

// A sound file whose header says what this kesh cannot know.
QByteArray withHeaderField(int offset, quint32 value) {
    QByteArray bytes = libraryBytes();
    DataFileFormat::putLittleEndian32(bytes.data() + offset, value);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool link(const QString& target, const QString& path) {
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

bool makeSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (std::size_t(name.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(descriptor);
    return bound;
}

struct Loaded {
    bool finished = false; // false: the load hung or crashed
    bool ok = false;
    Status status = Status::Read;
    QString error;
};

// Loads in a child process that is stopped after a while, so that a load that
// waits forever or reads without end fails the test instead of stalling it.
Loaded loadInChild(const QString& path) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(20);
        DataFile file(path);
        const bool ok = file.load();
        const QByteArray report =
            QByteArray::number(ok) + ' ' + QByteArray::number(int(file.status())) + ' ' + file.errorString().toUtf8();
        const bool sent = ::write(channel[1], report.constData(), std::size_t(report.size())) == report.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray report;
    char piece[512];
    for (ssize_t got = 0; (got = ::read(channel[0], piece, sizeof piece)) > 0;) {
        report.append(piece, got);
    }
    ::close(channel[0]);
    int exit = 0;
    if (child < 0 || ::waitpid(child, &exit, 0) != child || !WIFEXITED(exit) || WEXITSTATUS(exit) != 0) {
        return {};
    }
    const QList<QByteArray> parts = report.split(' ');
    Loaded loaded;
    loaded.finished = parts.size() >= 2;
    loaded.ok = parts.value(0) == "1";
    loaded.status = Status(parts.value(1).toInt());
    loaded.error = QString::fromUtf8(report.mid(parts.value(0).size() + parts.value(1).size() + 2));
    return loaded;
}

struct LoadCase {
    const char* name;
    // Puts something at `path`; false when this system cannot.
    std::function<bool(const QString& path, const QDir& dir)> make;
    Status status;
    const char* says;
};

const LoadCase loadCases[] = {
    {"NoFile", [](const QString&, const QDir&) { return true; }, Status::NoFile, ""},
    {"Empty", [](const QString& path, const QDir&) { return writeFile(path, QByteArray()); }, Status::Damaged, "empty"},
    {"Foreign", [](const QString& path, const QDir&) { return writeFile(path, "Date,Amount\n2024-01-01,3\n"); },
     Status::Damaged, "not a kesh library"},
    {"CutOff", [](const QString& path, const QDir&) { return writeFile(path, libraryBytes().chopped(1)); },
     Status::Damaged, "cut off"},
    {"NewerVersion",
     [](const QString& path, const QDir&) {
         return writeFile(path, withHeaderField(DataFileFormat::versionOffset, DataFileFormat::version + 1));
     },
     Status::Newer, "newer version of kesh"},
    {"UnknownFeatures",
     [](const QString& path, const QDir&) { return writeFile(path, withHeaderField(DataFileFormat::flagsOffset, 1)); },
     Status::Newer, "features"},
    {"Folder", [](const QString& path, const QDir&) { return QDir().mkdir(path); }, Status::NotAFile, "folder"},
    {"LinkToAFolder", [](const QString& path, const QDir& dir) { return link(dir.path(), path); }, Status::NotAFile,
     "folder"},
    // Read without a limit, it is endless.
    {"LinkToAnEndlessDevice", [](const QString& path, const QDir&) { return link(QStringLiteral("/dev/zero"), path); },
     Status::NotAFile, "device"},
    // Opened for reading, it waits for a writer.
    {"Fifo", [](const QString& path, const QDir&) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
     Status::NotAFile, "pipe"},
    {"Socket", [](const QString& path, const QDir&) { return makeSocket(path); }, Status::NotAFile, "socket"},
    // A library that went missing is not a fresh start.
    {"LinkToNothing",
     [](const QString& path, const QDir& dir) { return link(dir.filePath(QStringLiteral("gone")), path); },
     Status::NotAFile, "does not exist"},
    {"LinkInACircle",
     [](const QString& path, const QDir& dir) {
         return link(dir.filePath(QStringLiteral("other")), path) && link(path, dir.filePath(QStringLiteral("other")));
     },
     Status::NotAFile, "circle"},
};

class DataFileLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(DataFileLoadTest, TellsWhatStoodInTheWay) {
    const LoadCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    if (!c.make(path, QDir(dir.path()))) {
        GTEST_SKIP() << "cannot make this kind of file here";
    }
    const Loaded loaded = loadInChild(path);
    ASSERT_TRUE(loaded.finished) << "the load hung or crashed";
    EXPECT_EQ(loaded.status, c.status);
    // Only a missing file is a fresh start; everything else leaves kesh without a library.
    EXPECT_EQ(loaded.ok, c.status == Status::NoFile);
    EXPECT_TRUE(loaded.error.contains(QString::fromUtf8(c.says))) << loaded.error.toStdString();
    EXPECT_EQ(loaded.error.isEmpty(), loaded.ok);
    EXPECT_FALSE(loaded.error.contains(QStringLiteral("Kesh Data"))) << loaded.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(DataFile, DataFileLoadTest, ::testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file this process may not read: its own when permissions bind it, else a
// setting of the kernel that only takes writes, which even the superuser cannot read.
QString unreadableFile(const QTemporaryDir& dir) {
    if (::geteuid() != 0) {
        const QString path = dir.filePath(QStringLiteral("Kesh Data"));
        return writeFile(path, libraryBytes()) && ::chmod(QFile::encodeName(path).constData(), 0) == 0 ? path
                                                                                                       : QString();
    }
    for (const char* candidate : {"/proc/sys/vm/compact_memory", "/proc/sys/net/ipv4/route/flush"}) {
        struct stat info {};
        if (::stat(candidate, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0444) == 0) {
            return QString::fromLatin1(candidate);
        }
    }
    return QString();
}

TEST(DataFileLoad, AFileThatMayNotBeReadIsRefusedAsSuch) {
    QTemporaryDir dir;
    const QString path = unreadableFile(dir);
    if (path.isEmpty()) {
        GTEST_SKIP() << "no file here that this process may not read";
    }
    DataFile file(path);
    EXPECT_FALSE(file.load());
    EXPECT_EQ(file.status(), Status::PermissionDenied);
    EXPECT_FALSE(file.root());
    EXPECT_TRUE(file.errorString().contains(QStringLiteral("permission"))) << file.errorString().toStdString();
}

TEST(DataFileLoad, ALinkToALibraryReadsIt) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(writeFile(target, libraryBytes()));
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    ASSERT_TRUE(link(target, path));
    DataFile file(path);
    EXPECT_TRUE(file.load()) << file.errorString().toStdString();
    EXPECT_EQ(file.status(), Status::Read);
    ASSERT_TRUE(file.root());
}

} // namespace
