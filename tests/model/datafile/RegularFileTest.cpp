#include "RegularFile.h"
#include "WatchedFifo.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Status = RegularFile::Status;

// Every file kesh and kesh-import read is opened here: anything but a regular
// file is refused for what it is, before it is opened.
TEST(RegularFile, opensOnlyARegularFileAndRefusesAnythingElseUnopened) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.csv"));
    {
        QFile made(plain);
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        made.write("a,b\n");
    }
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(plain, link));

    RegularFile regular;
    QFile file;
    for (const QString& path : {plain, link}) {
        EXPECT_TRUE(regular.check(path));
        ASSERT_TRUE(regular.open(path, &file)) << regular.errorString().toStdString();
        EXPECT_EQ(file.size(), 4);
        EXPECT_EQ(file.readAll(), QByteArray("a,b\n"));
    }

    const WatchedFifo fifo(dir.filePath(QStringLiteral("pipe.csv")));
    ASSERT_TRUE(fifo.made());
    const QString toZero = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    const struct {
        QString path;
        Status status;
        const char* said;
    } refused[] = {
        {fifo.path(), Status::NotAFile, "It is a pipe, not a file."},
        {QStringLiteral("/dev/zero"), Status::NotAFile, "It is a device, not a file."},
        {toZero, Status::NotAFile, "It is a device, not a file."},
        {dir.path(), Status::NotAFile, "It is a folder, not a file."},
        {dir.filePath(QStringLiteral("missing.csv")), Status::NoFile, "There is no such file."},
    };
    for (const auto& [path, status, said] : refused) {
        EXPECT_FALSE(regular.check(path)) << path.toStdString();
        EXPECT_FALSE(regular.open(path, &file)) << path.toStdString();
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(regular.status(), status) << path.toStdString();
        EXPECT_EQ(regular.errorString(), QString::fromUtf8(said));
        EXPECT_FALSE(regular.read(path));
        EXPECT_TRUE(regular.bytes().isEmpty());
    }
    EXPECT_FALSE(fifo.wasOpened());
}

} // namespace
