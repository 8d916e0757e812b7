#include "AppFixture.h"
#include "FileDialogAnswer.h"
#include "LegacyFileWriter.h"
#include "LibraryDocument.h"
#include "WatchedFifo.h"

#include <QImage>
#include <QLabel>
#include <QTest>

#include <limits>

namespace {

class LegacyImportInKesh : public AppFixture {
protected:
    // Chooses `path` in the file dialog that File › Import Legacy Library… opens.
    QList<Alert::Shown> importFile(const QString& path, const QStringList& answers) {
        chooseInFileDialog(path);
        const AlertAnswers user(answers);
        find<QAction>("importLegacyLibraryAction")->trigger();
        return user.alerts();
    }
    qsizetype recordCount() const { return qsizetype(app->dataRoot()->mainLibrary()->count()); }
};

TEST_F(LegacyImportInKesh, addsTheRecordsAsOneChangeThatUndoesAndAsksFirst) {
    ASSERT_TRUE(launch());
    const qsizetype before = recordCount();
    const QString path = QDir::homePath() + QStringLiteral("/old.lib");
    ASSERT_TRUE(writeFile(
        path,
        legacyFileBytes({{0, 1.0, "a"}, {0, std::numeric_limits<double>::quiet_NaN(), "nan"}, {86'400, -2.0, "b"}})));

    // Cancel adds nothing.
    QList<Alert::Shown> alerts = importFile(path, {QStringLiteral("Cancel")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts[0].text, QStringLiteral("Import 2 records from “old.lib”?"));
    EXPECT_TRUE(alerts[0].informativeText.contains(QStringLiteral("Left out: 1 with an amount that is not a number")))
        << alerts[0].informativeText.toStdString();
    EXPECT_EQ(recordCount(), before);

    alerts = importFile(path, {QStringLiteral("Import")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(recordCount(), before + 2);
    // The table and the statistics follow at once.
    EXPECT_EQ(find<QLabel>("recordCountLabel")->text(), QStringLiteral("%1 records").arg(before + 2));

    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(recordCount(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return find<QLabel>("recordCountLabel")->text() == QStringLiteral("%1 records").arg(before);
    })) << "the count did not go back within 5 s";
    QFile::remove(path);
}

TEST_F(LegacyImportInKesh, aLedgerOfOddAmountsIsAskedAboutAsKeshImportDoes) {
    ASSERT_TRUE(launch());
    const qsizetype before = recordCount();
    const QString path = QDir::homePath() + QStringLiteral("/three decimals.lib");
    ASSERT_TRUE(writeFile(path, legacyFileBytes(std::vector<LegacyEntry>(12, LegacyEntry{0, 1.234, "Fuel"}))));

    QList<Alert::Shown> alerts = importFile(path, {QStringLiteral("Cancel")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts[0].objectName, QStringLiteral("importConfirmAlert"));
    EXPECT_EQ(alerts[0].icon, Alert::Icon::Warning);
    EXPECT_EQ(alerts[0].buttons, (QStringList{QStringLiteral("Import Anyway"), QStringLiteral("Cancel")}));
    EXPECT_EQ(alerts[0].defaultButton, QStringLiteral("Cancel"));
    EXPECT_TRUE(alerts[0].informativeText.contains(QStringLiteral("import it anyway")))
        << alerts[0].informativeText.toStdString();
    EXPECT_EQ(recordCount(), before);

    alerts = importFile(path, {QStringLiteral("Import Anyway")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(recordCount(), before + 12);
    EXPECT_EQ(app->dataRoot()->mainLibrary()->records().back()->amount()->toString(), QStringLiteral("1.234"));
    QFile::remove(path);
}

TEST_F(LegacyImportInKesh, aFileOfAnotherKindIsRefusedAndChangesNothing) {
    ASSERT_TRUE(launch());
    const qsizetype before = recordCount();
    const QString path = QDir::homePath() + QStringLiteral("/photo.png");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(path));

    const QList<Alert::Shown> alerts = importFile(path, {QStringLiteral("OK")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts[0].objectName, QStringLiteral("importFailedAlert"));
    EXPECT_TRUE(alerts[0].informativeText.contains(QStringLiteral("PNG image")))
        << alerts[0].informativeText.toStdString();
    EXPECT_EQ(recordCount(), before);
    EXPECT_EQ(app->document()->undoStack()->count(), 0);
    QFile::remove(path);
}

TEST_F(LegacyImportInKesh, aPipeOrADeviceIsRefusedForWhatItIsWithoutBeingOpened) {
    ASSERT_TRUE(launch());
    const WatchedFifo fifo(QDir::homePath() + QStringLiteral("/pipe.lib"));
    ASSERT_TRUE(fifo.made());
    for (const auto& [path, said] :
         {std::pair{fifo.path(), "“~/pipe.lib” cannot be read: It is a pipe, not a file."},
          std::pair{QStringLiteral("/dev/zero"), "“/dev/zero” cannot be read: It is a device, not a file."}}) {
        const QList<Alert::Shown> alerts = importFile(path, {QStringLiteral("OK")});
        ASSERT_EQ(alerts.size(), 1) << said;
        EXPECT_EQ(alerts[0].objectName, QStringLiteral("importFailedAlert"));
        EXPECT_EQ(alerts[0].informativeText, QString::fromUtf8(said));
    }
    EXPECT_FALSE(fifo.wasOpened());
    EXPECT_EQ(app->document()->undoStack()->count(), 0);
}

} // namespace
