#include "AppFixture.h"
#include "CsvExport.h"
#include "CsvImportDialog.h"
#include "CsvMappingStore.h"
#include "FileDialogAnswer.h"
#include "IOListController.h"
#include "LibraryDocument.h"
#include "RecordTableView.h"
#include "WatchedFifo.h"
#include "WhenModal.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStringConverter>
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
        find<QAction>("importAction")->trigger();
    }
    QList<Alert::Shown> exportTo(const QString& path, const QStringList& answers, const QString& filter = {},
                                 QString* offered = nullptr) {
        chooseInFileDialog(path, filter, offered);
        const AlertAnswers user(answers);
        find<QAction>("exportAction")->trigger();
        return user.alerts();
    }
    const BookPtr& library() const { return app->dataRoot()->mainLibrary(); }
    static QString home(const char* name) { return QDir::homePath() + u'/' + QString::fromLatin1(name); }
};

TEST_F(CsvInKesh, exportedRecordsComeBackIntoAnEmptyLibraryAsOneChangeThatUndoes) {
    ASSERT_TRUE(launch());
    // A comment a spreadsheet would take as a formula is written behind an apostrophe, which kesh takes off.
    const QByteArray original = "date,amount,comment,keywords,counted\r\n"
                                "2026-03-09,-12.5,\"Lunch, \"\"Chez Nous\"\"\",Food; Out,true\r\n"
                                "2026-03-01,2500,\"Salary\nMarch\",,false\r\n"
                                "2026-02-28,-0.001,tiny,Food,true\r\n"
                                "2026-02-27,-3,\"'=HYPERLINK(\"\"http://example.invalid\"\",\"\"x\"\")\",,true\r\n";
    writeBytes(original, home("in.csv"));
    importFile(home("in.csv"));
    ASSERT_EQ(library()->count(), 4u);
    ASSERT_EQ(app->dataRoot()->keywords().size(), 2u);
    EXPECT_EQ(library()->records().back()->comment(), QStringLiteral("=HYPERLINK(\"http://example.invalid\",\"x\")"));
    EXPECT_EQ(app->document()->undoStack()->count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return find<QLabel>("recordCountLabel")->text() == QStringLiteral("4 records");
    })) << "the count did not become 4 records within 5 s";

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
    find<QAction>("importAction")->trigger();
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
        find<QAction>("importAction")->trigger();
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

TEST_F(CsvInKesh, exportForSpreadsheetsWritesWhatASpreadsheetOfTheLocaleReadsAndKeshReadsBack) {
    ASSERT_TRUE(launch());
    writeBytes("date,amount,comment,keywords,counted\r\n"
               "2026-03-09,-12.5,=1+2,Food,true\r\n"
               "2026-03-01,2500,Salary,,false\r\n",
               home("in.csv"));
    importFile(home("in.csv"));
    ASSERT_EQ(library()->count(), 2u);

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QString offered;
    EXPECT_TRUE(exportTo(home("sheet.csv"), {}, CsvExport::spreadsheetFilter(), &offered).isEmpty());
    EXPECT_EQ(offered, CsvExport::plainFilter());
    EXPECT_EQ(readBytes(home("sheet.csv")), "\xEF\xBB\xBF"
                                            "date;amount;comment;keywords;counted\r\n"
                                            "2026-03-09;-12,50;'=1+2;Food;true\r\n"
                                            "2026-03-01;2500,00;Salary;;false\r\n");
    // The next export offers the same file type.
    EXPECT_TRUE(exportTo(home("again.csv"), {}, {}, &offered).isEmpty());
    EXPECT_EQ(offered, CsvExport::spreadsheetFilter());

    // Read back into the emptied library: the same records.
    find<QAction>("undoAction")->trigger();
    ASSERT_EQ(library()->count(), 0u);
    importFile(home("sheet.csv"));
    ASSERT_EQ(library()->count(), 2u);
    EXPECT_EQ(library()->records()[0]->amount(), Amount::fromString(QStringLiteral("-12.5")));
    EXPECT_EQ(library()->records()[0]->comment(), QStringLiteral("=1+2"));
    EXPECT_EQ(library()->records()[1]->amount(), Amount::fromString(QStringLiteral("2500")));
    EXPECT_EQ(library()->records()[1]->includeInStats(), 0);
}

TEST_F(CsvInKesh, theMappingOfAnImportIsAppliedToTheNextStatementOfTheBankAndCancelKeepsNothing) {
    ASSERT_TRUE(launch());
    const QByteArray header = "Datum;Betrag;Verwendungszweck;Saldo\r\n";
    writeBytes(header + "01.03.2026;-12,50;Bäcker;100,00\r\n", home("march.csv"));
    writeBytes(header + "01.04.2026;-7,00;Kiosk;93,00\r\n", home("april.csv"));
    writeBytes(header + "01.05.2026;-1,00;Post;92,00\r\n", home("may.csv"));

    chooseInFileDialog(home("march.csv"));
    whenModal<CsvImportDialog>([](CsvImportDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("mappingLabel"))->text(),
                  QStringLiteral("No mapping of yours fits this file: the settings are guessed."));
        dialog->findChild<QLineEdit*>(QStringLiteral("mappingNameField"))->setText(QStringLiteral("Sparkasse"));
        auto* keywords = dialog->findChild<QLineEdit*>(QStringLiteral("keywordsToAddField"));
        keywords->setText(QStringLiteral("Giro"));
        emit keywords->editingFinished();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("importButton")), Qt::LeftButton);
    });
    find<QAction>("importAction")->trigger();
    ASSERT_EQ(library()->count(), 1u);

    QString told;
    chooseInFileDialog(home("april.csv"));
    whenModal<CsvImportDialog>([&told](CsvImportDialog* dialog) {
        told = dialog->findChild<QLabel*>(QStringLiteral("mappingLabel"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("importButton")), Qt::LeftButton);
    });
    find<QAction>("importAction")->trigger();
    EXPECT_EQ(told, QStringLiteral("Using your mapping “Sparkasse”."));
    ASSERT_EQ(library()->count(), 2u);
    const IOPtr& april = library()->records()[0];
    EXPECT_EQ(april->amount(), Amount::fromString(QStringLiteral("-7")));
    // The keyword the mapping adds is the library's one Giro.
    ASSERT_EQ(april->keywords().size(), 1u);
    EXPECT_EQ(april->keywords()[0], library()->records()[1]->keywords().at(0));
    EXPECT_EQ(app->dataRoot()->keywords().size(), 1u);

    // Cancelled at once, while the rows are checked: nothing is imported or kept.
    chooseInFileDialog(home("may.csv"));
    whenModal<CsvImportDialog>([](CsvImportDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("mappingNameField"))->setText(QStringLiteral("Changed"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    find<QAction>("importAction")->trigger();
    EXPECT_EQ(library()->count(), 2u);
    EXPECT_EQ(app->document()->undoStack()->count(), 2);
    const std::vector<CsvSavedMapping> kept = CsvMappingStore().mappings();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].name, QStringLiteral("Sparkasse"));
    EXPECT_EQ(kept[0].mapping.keywordsToAdd, QStringList{QStringLiteral("Giro")});
}

} // namespace
