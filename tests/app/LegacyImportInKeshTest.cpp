#include "AppFixture.h"
#include "LegacyFileWriter.h"
#include "LibraryDocument.h"
#include "WhenModal.h"

#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <limits>

namespace {

class LegacyImportInKesh : public AppFixture {
protected:
    // Chooses `path` in the file dialog that File › Import Legacy Library… opens.
    QList<Alert::Shown> importFile(const QString& path, const QStringList& answers) {
        whenModal<QFileDialog>([path](QFileDialog* dialog) {
            // Typed into the name field, as a user would.
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            // done(), not accept(): the dialog's own checks of a typed name have nothing to add here.
            QMetaObject::invokeMethod(
                dialog, [dialog] { static_cast<QDialog*>(dialog)->done(QDialog::Accepted); }, Qt::QueuedConnection);
        });
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

} // namespace
