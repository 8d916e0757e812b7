#include "FileImport.h"
#include "AlertAnswers.h"
#include "Book.h"
#include "DataRoot.h"
#include "IO.h"
#include "Keyword.h"
#include "LibraryDocument.h"
#include "StatementImportDialog.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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

// A workbook or a picture chosen by mistake is refused by what it is, before
// any dialog shows its bytes as text.
TEST(FileImportTest, aWorkbookOrAPictureIsRefusedForWhatItIs) {
    const std::pair<QByteArray, const char*> files[] = {
        {QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(600, 'x'), "Save the sheet as CSV"},
        {QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "an image"},
        {QByteArray("%PDF-1.7\n"), "PDF"},
    };
    LibraryDocument document(DataRoot::create());
    QWidget window;
    const AlertAnswers user({QStringLiteral("OK")});
    for (const auto& [bytes, says] : files) {
        QFile file(home("statement.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(FileImport(&document, &window).runWithFile(file.fileName()), 0);
        ASSERT_FALSE(user.alerts().isEmpty());
        EXPECT_TRUE(user.alerts().last().informativeText.contains(QLatin1String(says)))
            << user.alerts().last().informativeText.toStdString();
    }
    EXPECT_EQ(user.alerts().size(), 3);
    EXPECT_EQ(document.undoStack()->count(), 0);
}

QStringList linesOf(const Book& library) {
    QStringList lines;
    for (const IOPtr& record : library.records()) {
        QStringList keywords;
        for (const KeywordPtr& keyword : record->keywords()) {
            keywords << keyword->name();
        }
        lines << QStringLiteral("%1 %2 %3 | %4")
                     .arg(record->date().toString(Qt::ISODate), record->amount()->toString(), record->comment(),
                          record->bankId().isEmpty() ? keywords.join(QStringLiteral(", ")) : record->bankId());
    }
    lines.sort();
    return lines;
}

// The records a result file names (every account of an OFX file, the total of
// each QIF item in its first reading of the days), and the lines it cannot read.
QStringList expectedLines(const QString& expected, int* problems) {
    QStringList lines;
    bool inTotals = true;
    for (const QString& line : expected.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QStringLiteral("split: "))) {
            inTotals = line == QStringLiteral("split: Total");
        } else if (line.startsWith(QStringLiteral("problem "))) {
            *problems += inTotals ? 1 : 0;
        } else if (inTotals && !line.startsWith(QStringLiteral("account ")) &&
                   !line.startsWith(QStringLiteral("readings: "))) {
            lines << line;
        }
    }
    lines.sort();
    return lines;
}

// Each statement of the test data goes through File › Import as a user takes
// it: what is read lands in the library as the file's result says, and what
// is refused says why and adds nothing.
TEST(FileImportTest, everyStatementFileLandsAsItsResultOrIsRefusedForItsReason) {
    QStringList files;
    for (const char* folder : {"ofx", "qif"}) {
        const QDir dir(QStringLiteral(KESH_TEST_DATA_DIR "/") + QLatin1String(folder));
        for (const QFileInfo& file :
             dir.entryInfoList({QStringLiteral("*.ofx"), QStringLiteral("*.qfx"), QStringLiteral("*.qif")}, QDir::Files,
                               QDir::Name)) {
            files << file.filePath();
        }
    }
    ASSERT_EQ(files.size(), 10);
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile expectedFile(path.left(path.lastIndexOf(u'.')) + QStringLiteral(".expected"));
        ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(expectedFile.readAll());
        LibraryDocument document(DataRoot::create());
        QWidget window;
        const AlertAnswers user({QStringLiteral("OK")});
        const bool refused = expected.startsWith(QStringLiteral("refused: "));
        int problemsListed = 0;
        if (!refused) {
            whenModal<StatementImportDialog>([&problemsListed](StatementImportDialog* dialog) {
                if (auto* monthFirst = dialog->findChild<QRadioButton*>(QStringLiteral("monthFirstButton"))) {
                    monthFirst->click();
                }
                if (auto* splits = dialog->findChild<QComboBox*>(QStringLiteral("splitComboBox"))) {
                    splits->setCurrentIndex(splits->findData(int(QifReader::SplitMode::Total)));
                }
                problemsListed = dialog->findChild<QListWidget*>(QStringLiteral("problemsList"))->count();
                dialog->findChild<QPushButton*>(QStringLiteral("importButton"))->click();
            });
        }
        const qint64 added = FileImport(&document, &window).runWithFile(path);
        if (refused) {
            EXPECT_EQ(added, 0);
            ASSERT_EQ(user.alerts().size(), 1);
            EXPECT_TRUE(user.alerts()[0].informativeText.contains(expected.trimmed().mid(9), Qt::CaseInsensitive))
                << user.alerts()[0].informativeText.toStdString();
            EXPECT_EQ(document.undoStack()->count(), 0);
        } else {
            EXPECT_TRUE(user.alerts().isEmpty());
            int problems = 0;
            EXPECT_EQ(linesOf(*document.root()->mainLibrary()), expectedLines(expected, &problems));
            EXPECT_EQ(problemsListed, problems);
            EXPECT_EQ(document.undoStack()->count(), 1);
        }
    }
}

} // namespace
