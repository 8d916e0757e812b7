#include <QFile>
#include <QString>

#include <gtest/gtest.h>

TEST(ArchivedResourcesTest, survivesAStaticLibraryInBetween) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/kesh.svg")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/SmartBook.svg")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/kesh_en.qm")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/kesh_ja.qm")));
}
