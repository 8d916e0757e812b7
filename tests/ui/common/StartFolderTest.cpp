#include "StartFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A file dialog shows a folder that is not there as a name to open, so every
// start is a place that exists.
TEST(StartFolder, isThePlaceItselfOrItsNearestFolderThatExists) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString file = home.filePath(QStringLiteral("ledger.dat"));
    QFile made(file);
    ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    made.close();

    EXPECT_EQ(StartFolder::nearestExisting(file), file);
    EXPECT_EQ(StartFolder::nearestExisting(home.path()), home.path());
    EXPECT_EQ(StartFolder::nearestExisting(home.filePath(QStringLiteral("Documents/Old/ledger.dat"))), home.path());
    EXPECT_EQ(StartFolder::nearestExisting(QString()), QDir::homePath());

    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    EXPECT_TRUE(QDir(StartFolder::documents()).exists());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(StartFolder::documents(), home.filePath(QStringLiteral("Documents")));
}
