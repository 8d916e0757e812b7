#include "AmountCondition.h"
#include "AndConditions.h"
#include "AppFixture.h"
#include "Autosaver.h"
#include "BookListController.h"
#include "Clock.h"
#include "Crc32.h"
#include "CustomTableView.h"
#include "DailyBackups.h"
#include "DataFileFormat.h"
#include "IOTableModel.h"
#include "KeywordListModel.h"
#include "KeywordViewController.h"
#include "KeywordWindowController.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"
#include "RecordTableView.h"
#include "RestoreBackupDialog.h"
#include "SmartBook.h"

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

// What a write would change about a file.
struct FileMark {
    ino_t inode = 0;
    qint64 modified = 0;
    QByteArray bytes;

    static FileMark of(const QString& path) {
        FileMark mark;
        struct stat status {};
        if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
            mark.inode = status.st_ino;
            mark.modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
        }
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            mark.bytes = file.readAll();
        }
        return mark;
    }
    bool operator==(const FileMark&) const = default;
};

DataRootPtr libraryOf(int records, const QString& comment, const QString& mainName = QStringLiteral("Library")) {
    DataRootPtr root = DataRoot::create();
    root->mainLibrary()->setBookName(mainName);
    for (int i = 0; i < records; ++i) {
        root->mainLibrary()->appendObject(sampleRecord("-5", QDate(2024, 1, 1).addDays(i), comment));
    }
    return root;
}

class Backup : public AppFixture {
protected:
    static std::size_t recordsIn(const QString& path) {
        const DataRootPtr root = readLibrary(path);
        return root ? root->mainLibrary()->count() : std::size_t(-1);
    }
    RecordTableView* table() const { return find<RecordTableView>("ioListView"); }
    QStringList shownComments() const {
        QStringList comments;
        for (int row = 0; row < table()->model()->rowCount(); ++row) {
            comments << table()->model()->index(row, IOTableModel::CommentColumn).data().toString();
        }
        return comments;
    }
    void deleteAllRecords() {
        table()->setFocus();
        table()->selectAll();
        QTest::keyClick(table(), Qt::Key_Delete);
    }
};

TEST_F(Backup, quittingWithNothingUnsavedWritesNothingAndTheBackupKeepsWhatWasDeleted) {
    writeLibrary(*libraryOf(1, QStringLiteral("the only record")));
    writeLibrary(*libraryOf(1, QStringLiteral("the only record")), DataFile::backupPath(dataPath()));
    const FileMark opened = FileMark::of(dataPath());
    ASSERT_TRUE(launch());
    ASSERT_TRUE(quit());
    EXPECT_EQ(FileMark::of(dataPath()), opened);
    EXPECT_FALSE(QFileInfo::exists(DailyBackups(dataPath()).folder()));

    // Ctrl+A, Delete, a save, then quit: every way back still holds the record.
    ASSERT_TRUE(launch());
    {
        const AlertAnswers user({QStringLiteral("Delete")});
        deleteAllRecords();
    }
    ASSERT_EQ(app->dataRoot()->mainLibrary()->count(), 0u);
    ASSERT_TRUE(app->autosaver()->saveNow());
    const FileMark saved = FileMark::of(dataPath());
    ASSERT_TRUE(quit());
    EXPECT_EQ(FileMark::of(dataPath()), saved);
    EXPECT_EQ(recordsIn(dataPath()), 0u);
    EXPECT_EQ(recordsIn(DataFile::backupPath(dataPath())), 1u);
    EXPECT_EQ(recordsIn(DailyBackups(dataPath()).pathFor(Clock::today())), 1u);
}

TEST_F(Backup, aLibraryOfAnOlderFormatIsKeptAsItWasWhenItIsFirstSavedAnew) {
    writeLibrary(*libraryOf(2, QStringLiteral("old")));
    QByteArray bytes = readBytes();
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, 1);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    writeBytes(bytes);
    const DailyBackups backups(dataPath());

    // Read but never written: it stays as it is, and needs no copy.
    ASSERT_TRUE(launch());
    ASSERT_TRUE(quit());
    EXPECT_EQ(readBytes(), bytes);
    EXPECT_TRUE(backups.formatCopies().isEmpty());

    ASSERT_TRUE(launch());
    app->document()->addPlainBook();
    ASSERT_TRUE(app->autosaver()->saveNow());
    EXPECT_EQ(readBytes(backups.formatCopyPath(1)), bytes);
    EXPECT_EQ(DataFileFormat::littleEndian32(readBytes().constData() + DataFileFormat::versionOffset),
              DataFileFormat::version);
    app->document()->addPlainBook();
    ASSERT_TRUE(app->autosaver()->saveNow());
    EXPECT_EQ(backups.formatCopies(), QStringList{backups.formatCopyPath(1)});
}

TEST_F(Backup, aLibraryOfTheFormatBeforeBankIdsIsKeptForTheKeshThatWroteIt) {
    writeLibrary(*libraryOf(2, QStringLiteral("before ids")));
    QByteArray bytes = readBytes();
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, 2);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    writeBytes(bytes);
    const DailyBackups backups(dataPath());

    ASSERT_TRUE(launch());
    app->document()->addPlainBook();
    ASSERT_TRUE(app->autosaver()->saveNow());
    EXPECT_EQ(readBytes(backups.formatCopyPath(2)), bytes);
    EXPECT_TRUE(backups.formatCopyPath(2).endsWith(QStringLiteral("Kesh Data (format 2)")));
    EXPECT_EQ(DataFileFormat::littleEndian32(readBytes().constData() + DataFileFormat::versionOffset), 3u);
}

TEST_F(Backup, aCopyThatCannotBeMadeIsToldOnceAndTheLibraryIsSavedAllTheSame) {
    writeLibrary(*libraryOf(1, QStringLiteral("kept")));
    // A file where the backups folder should be.
    writeBytes("not a folder", DailyBackups(dataPath()).folder());
    ASSERT_TRUE(launch());
    const AlertAnswers user({QStringLiteral("OK")});
    app->document()->addPlainBook();
    ASSERT_TRUE(app->autosaver()->saveNow());
    ASSERT_TRUE(QTest::qWaitFor([&user] { return !user.alerts().isEmpty(); }, 5000)) << "no alert about the copy";
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("backupFailedAlert"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(QStringLiteral("Kesh Backups")));
    EXPECT_EQ(readLibrary()->dumbBooks().size(), 1u);

    app->document()->addPlainBook();
    ASSERT_TRUE(app->autosaver()->saveNow());
    QTest::qWait(50);
    EXPECT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(readLibrary()->dumbBooks().size(), 2u);
}

TEST_F(Backup, deletingMuchOfTheLibraryAsksWithTheCountAndUndoBringsItBack) {
    writeLibrary(*libraryOf(20, QStringLiteral("record")));
    ASSERT_TRUE(launch());
    table()->setFocus();
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(0, 0), table()->model()->index(2, IOTableModel::ColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
    {
        const AlertAnswers user({QStringLiteral("Cancel")});
        QTest::keyClick(table(), Qt::Key_Delete);
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("largeDeletionAlert"));
        EXPECT_TRUE(user.alerts().first().text.contains(QStringLiteral("Delete 3 record")));
        EXPECT_EQ(user.alerts().first().defaultButton, QStringLiteral("Cancel"));
    }
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 20u);
    {
        const AlertAnswers user({QStringLiteral("Delete")});
        QTest::keyClick(table(), Qt::Key_Delete);
        EXPECT_EQ(user.alerts().size(), 1);
    }
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 17u);
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 20u);
}

class Restore : public Backup {
protected:
    // The library now: three records; the copy of yesterday: five, a book and a keyword.
    Restore() {
        writeLibrary(*libraryOf(3, QStringLiteral("now")));
        const DataRootPtr yesterday = libraryOf(5, QStringLiteral("yesterday"));
        const KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
        yesterday->setKeywords({travel});
        yesterday->mainLibrary()->objectAtIndex(0)->addKeyword(travel);
        const BookPtr trip = Book::create();
        trip->setBookName(QStringLiteral("Trip"));
        yesterday->addDumbBook(trip);
        trip->addObject(yesterday->mainLibrary()->objectAtIndex(0));
        auto below = AmountCondition::create();
        below->setConditionTypeCode(4);
        below->setObject(Amount::fromInt(0));
        auto all = AndConditions::create();
        all->setChildren({below});
        const SmartBookPtr spending = SmartBook::create();
        spending->setBookName(QStringLiteral("Spending"));
        spending->setConditions(all);
        yesterday->addSmartBook(spending);
        writeLibrary(*yesterday, yesterdaysCopy);
        copyBytes = readBytes(yesterdaysCopy);

        EXPECT_TRUE(launch());
        bookTester = std::make_unique<QAbstractItemModelTester>(find<CustomTableView>("bookListView")->model(),
                                                                QAbstractItemModelTester::FailureReportingMode::Fatal);
        recordTester = std::make_unique<QAbstractItemModelTester>(
            table()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    RestoreBackupDialog* openDialog() {
        find<QAction>("restoreBackupAction")->trigger();
        auto* dialog = find<RestoreBackupDialog>("restoreBackupDialog");
        EXPECT_TRUE(dialog);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return dialog->isReadingDone(); }, 10000))
                << "the backups were not read";
        }
        return dialog;
    }
    static QTreeWidgetItem* rowNamed(RestoreBackupDialog* dialog, const QString& path) {
        QTreeWidget* list = dialog->backupListView();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->toolTip(RestoreBackupDialog::BackupColumn) == QDir::toNativeSeparators(path)) {
                return list->topLevelItem(row);
            }
        }
        return nullptr;
    }
    // The reload that follows a change comes round on the event loop.
    void waitForTable(int rows) {
        ASSERT_TRUE(QTest::qWaitFor([this, rows] { return table()->model()->rowCount() == rows; }, 5000))
            << "the table did not come to " << rows << " rows";
    }
    KeywordListModel* keywordList() const { return app->keywordWindowController()->keywordView()->model(); }

    DailyBackups backups{dataPath()};
    QString yesterdaysCopy = backups.pathFor(Clock::today().addDays(-1));
    QByteArray copyBytes;
    std::unique_ptr<QAbstractItemModelTester> bookTester;
    std::unique_ptr<QAbstractItemModelTester> recordTester;
};

TEST_F(Restore, theWindowListsEachBackupWithItsDayRecordsAndDifference) {
    RestoreBackupDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    QTreeWidgetItem* row = rowNamed(dialog, yesterdaysCopy);
    ASSERT_TRUE(row);
    EXPECT_TRUE(
        row->text(RestoreBackupDialog::BackupColumn).contains(LedgerFormat().formatDate(Clock::today().addDays(-1))));
    EXPECT_EQ(row->text(RestoreBackupDialog::RecordsColumn), QStringLiteral("5"));
    EXPECT_EQ(row->text(RestoreBackupDialog::FirstColumn), QStringLiteral("1/1/2024"));
    EXPECT_EQ(row->text(RestoreBackupDialog::LastColumn), QStringLiteral("1/5/2024"));
    EXPECT_EQ(row->text(RestoreBackupDialog::DifferenceColumn), QStringLiteral("+2"));
    find<QPushButton>("closeButton")->click();
    EXPECT_EQ(readBytes(yesterdaysCopy), copyBytes);
    EXPECT_EQ(app->document()->undoStack()->count(), 0);
}

TEST_F(Restore, restoringReplacesTheLibraryKeepsItAsACopyAndUndoesAsOneChange) {
    RestoreBackupDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->backupListView()->setCurrentItem(rowNamed(dialog, yesterdaysCopy));
    ASSERT_TRUE(dialog->restoreButton()->isEnabled());
    dialog->restoreButton()->click();

    waitForTable(5);
    EXPECT_EQ(shownComments().first(), QStringLiteral("yesterday"));
    EXPECT_EQ(app->bookListController()->selectedBook(), app->dataRoot()->mainLibrary());
    ASSERT_EQ(app->dataRoot()->dumbBooks().size(), 1u);
    EXPECT_EQ(find<CustomTableView>("bookListView")->model()->index(2, 0).data().toString(), QStringLiteral("Trip"));
    ASSERT_EQ(keywordList()->rowCount(), 1);
    EXPECT_EQ(keywordList()->index(0, KeywordListModel::NameColumn).data().toString(), QStringLiteral("Travel"));
    // The library before is a backup now, and the backup read is as it was.
    EXPECT_EQ(recordsIn(backups.pathFor(Clock::today())), 3u);
    EXPECT_EQ(readBytes(yesterdaysCopy), copyBytes);
    EXPECT_TRUE(app->document()->isModified());
    // The restored smart book keeps its conditions once the library it was read with is gone.
    ASSERT_EQ(app->dataRoot()->smartBooks().size(), 1u);
    app->bookListController()->selectBook(app->dataRoot()->smartBooks().front());
    waitForTable(5);
    app->bookListController()->selectBook(app->dataRoot()->mainLibrary());

    find<QAction>("undoAction")->trigger();
    waitForTable(3);
    EXPECT_EQ(shownComments().first(), QStringLiteral("now"));
    EXPECT_TRUE(app->dataRoot()->dumbBooks().empty());
    EXPECT_EQ(keywordList()->rowCount(), 0);

    find<QAction>("redoAction")->trigger();
    waitForTable(5);
    ASSERT_TRUE(app->autosaver()->saveNow());
    EXPECT_EQ(recordsIn(dataPath()), 5u);
}

TEST_F(Restore, theSelectedBookFollowsByNameAndABackupWithMuchLessAsksFirst) {
    const DataRootPtr many = libraryOf(40, QStringLiteral("many"));
    const BookPtr trip = Book::create();
    trip->setBookName(QStringLiteral("Trip"));
    many->addDumbBook(trip);
    writeLibrary(*many, DataFile::backupPath(dataPath()));
    RestoreBackupDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->backupListView()->setCurrentItem(rowNamed(dialog, DataFile::backupPath(dataPath())));
    dialog->restoreButton()->click();
    waitForTable(40);
    app->bookListController()->selectBook(app->dataRoot()->dumbBooks().front());
    waitForTable(0);

    dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->backupListView()->setCurrentItem(rowNamed(dialog, yesterdaysCopy));
    {
        const AlertAnswers user({QStringLiteral("Cancel")});
        dialog->restoreButton()->click();
        ASSERT_EQ(user.alerts().size(), 1);
        EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("largeRestoreAlert"));
        EXPECT_TRUE(user.alerts().first().text.contains(QStringLiteral("35")));
    }
    EXPECT_EQ(app->dataRoot()->mainLibrary()->count(), 40u);
    {
        const AlertAnswers user({QStringLiteral("Restore")});
        dialog->restoreButton()->click();
    }
    // The book of the same name in the restored library.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return app->bookListController()->selectedBook() == app->dataRoot()->dumbBooks().front(); }, 5000))
        << "the restored Trip was not selected";
    waitForTable(1);
    EXPECT_EQ(shownComments(), QStringList{QStringLiteral("yesterday")});
}

} // namespace
