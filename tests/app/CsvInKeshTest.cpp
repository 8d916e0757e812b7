#include "AppFixture.h"
#include "CsvImportDialog.h"
#include "FileDialogAnswer.h"
#include "IOListController.h"
#include "LibraryDocument.h"
#include "RecordTableView.h"
#include "WatchedFifo.h"
#include "WhenModal.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <tuple>

namespace {

class CsvInKesh : public AppFixture {
protected:
    void importFile(const QString& path) {
        chooseInFileDialog(path);
        whenModal<CsvImportDialog>([](CsvImportDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("importButton")), Qt::LeftButton);
        });
        find<QAction>("importCsvAction")->trigger();
    }
    QList<Alert::Shown> exportTo(const QString& path, const QStringList& answers) {
        chooseInFileDialog(path);
        const AlertAnswers user(answers);
        find<QAction>("exportAction")->trigger();
        return user.alerts();
    }
    const BookPtr& library() const { return app->dataRoot()->mainLibrary(); }
    static QString home(const char* name) { return QDir::homePath() + u'/' + QString::fromLatin1(name); }
};

TEST_F(CsvInKesh, exportedRecordsComeBackIntoAnEmptyLibraryAsOneChangeThatUndoes) {
    ASSERT_TRUE(launch());
    const QByteArray original = "date,amount,comment,keywords,counted\r\n"
                                "2026-03-09,-12.5,\"Lunch, \"\"Chez Nous\"\"\",Food; Out,true\r\n"
                                "2026-03-01,2500,\"Salary\nMarch\",,false\r\n"
                                "2026-02-28,-0.001,tiny,Food,true\r\n";
    writeBytes(original, home("in.csv"));
    importFile(home("in.csv"));
    ASSERT_EQ(library()->count(), 3u);
    ASSERT_EQ(app->dataRoot()->keywords().size(), 2u);
    EXPECT_EQ(app->document()->undoStack()->count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return find<QLabel>("recordCountLabel")->text() == QStringLiteral("3 records");
    })) << "the count did not become 3 records within 5 s";

    // All the table shows, in its order: the same bytes as were read.
    EXPECT_TRUE(exportTo(home("out.csv"), {}).isEmpty());
    EXPECT_EQ(readBytes(home("out.csv")), original);

    // Several selected: the user says which.
    RecordTableView* table = find<RecordTableView>("ioListView");
    table->selectionModel()->select(table->model()->index(0, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    table->selectionModel()->select(table->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QList<Alert::Shown> asked = exportTo(home("some.csv"), {QStringLiteral("Selected Records")});
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].objectName, QStringLiteral("exportWhichAlert"));
    EXPECT_EQ(readBytes(home("some.csv")), "date,amount,comment,keywords,counted\r\n"
                                           "2026-03-09,-12.5,\"Lunch, \"\"Chez Nous\"\"\",Food; Out,true\r\n"
                                           "2026-02-28,-0.001,tiny,Food,true\r\n");

    // One undo takes the records and the keywords they brought.
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(library()->count(), 0u);
    EXPECT_TRUE(app->dataRoot()->keywords().empty());
}

TEST_F(CsvInKesh, aFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(launch());
    writeBytes(QByteArray(), home("empty.csv"));
    chooseInFileDialog(home("empty.csv"));
    const AlertAnswers user({QStringLiteral("OK")});
    find<QAction>("importCsvAction")->trigger();
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts()[0].objectName, QStringLiteral("csvImportFailedAlert"));
    EXPECT_EQ(user.alerts()[0].informativeText, QStringLiteral("The file is empty: it holds no rows."));
    EXPECT_EQ(app->document()->undoStack()->count(), 0);
}

// A FIFO would block kesh for good, /dev/zero would fill its memory: neither
// is opened, nor replaced by an export.
TEST_F(CsvInKesh, aPipeOrADeviceIsRefusedForWhatItIsWithoutBeingOpened) {
    ASSERT_TRUE(launch());
    const WatchedFifo fifo(home("pipe.csv"));
    ASSERT_TRUE(fifo.made());
    for (const auto& [path, name, said] :
         {std::tuple{fifo.path(), "pipe.csv", "It is a pipe, not a file."},
          std::tuple{QStringLiteral("/dev/zero"), "zero", "It is a device, not a file."}}) {
        chooseInFileDialog(path);
        const AlertAnswers user({QStringLiteral("OK")});
        find<QAction>("importCsvAction")->trigger();
        ASSERT_EQ(user.alerts().size(), 1) << name;
        EXPECT_EQ(user.alerts()[0].objectName, QStringLiteral("csvImportFailedAlert"));
        EXPECT_EQ(user.alerts()[0].text, QStringLiteral("“%1” cannot be imported.").arg(QString::fromUtf8(name)));
        EXPECT_EQ(user.alerts()[0].informativeText, QString::fromUtf8(said));
    }
    EXPECT_EQ(app->document()->undoStack()->count(), 0);

    const QList<Alert::Shown> alerts = exportTo(fifo.path(), {QStringLiteral("OK")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts[0].objectName, QStringLiteral("exportFailedAlert"));
    EXPECT_TRUE(alerts[0].informativeText.endsWith(QStringLiteral("pipe.csv” failed: It is a pipe, not a file.")))
        << alerts[0].informativeText.toStdString();
    EXPECT_FALSE(fifo.wasOpened());
    EXPECT_FALSE(QFileInfo(fifo.path()).isFile());
}

} // namespace
