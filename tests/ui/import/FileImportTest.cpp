#include "FileImport.h"
#include "AlertAnswers.h"
#include "DataRoot.h"
#include "LibraryDocument.h"

#include <QDir>
#include <QFile>
#include <QUndoStack>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QString home(const char* name) {
    return QDir::homePath() + u'/' + QString::fromLatin1(name);
}

// What a file holds decides how it is read, whatever its name; a file refused
// does not stop the ones chosen after it.
TEST(FileImportTest, aStatementUnderAnyNameIsReadAsOneAndEachRefusalIsToldInTurn) {
    const QString cutOff = QStringLiteral(KESH_TEST_DATA_DIR "/ofx/cut-off.ofx");
    ASSERT_TRUE(QFile::copy(cutOff, home("download.csv")));
    ASSERT_TRUE(QFile::copy(cutOff, home("download.txt")));
    LibraryDocument document(DataRoot::create());
    QWidget window;
    const AlertAnswers user({QStringLiteral("OK"), QStringLiteral("OK")});

    EXPECT_EQ(FileImport(&document, &window).runWithFiles({home("download.csv"), home("download.txt")}), 0);

    ASSERT_EQ(user.alerts().size(), 2);
    for (const auto& [alert, name] :
         {std::pair{user.alerts()[0], "download.csv"}, {user.alerts()[1], "download.txt"}}) {
        EXPECT_EQ(alert.objectName, QStringLiteral("importFailedAlert"));
        EXPECT_EQ(alert.text, QStringLiteral("“%1” cannot be imported.").arg(QString::fromLatin1(name)));
        EXPECT_TRUE(alert.informativeText.endsWith(QStringLiteral("it is cut off.")))
            << alert.informativeText.toStdString();
    }
    EXPECT_EQ(document.undoStack()->count(), 0);
}

} // namespace
