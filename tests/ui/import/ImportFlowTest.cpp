#include "ImportFlow.h"
#include "AlertAnswers.h"
#include "DataRoot.h"
#include "LibraryDocument.h"
#include "WatchedFifo.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProgressDialog>
#include <QUndoStack>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class ImportFlowTest : public ::testing::Test {
protected:
    static QString home(const char* name) { return QDir::homePath() + u'/' + QString::fromLatin1(name); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static IOPtr record(const char* comment) {
        return IO::create(Amount::fromString(QStringLiteral("-4.5")), QDateTime(QDate(2025, 5, 1), QTime(0, 0)),
                          KeywordList{}, QString::fromUtf8(comment), 1);
    }

    LibraryDocument document{DataRoot::create()};
    QWidget window;
    ImportFlow flow{&document, &window, QStringLiteral("testImportFailedAlert")};
    const QString tooLarge = QStringLiteral("%1 past %2");
};

TEST_F(ImportFlowTest, readsAFileUpToTheLimitWholeAndRefusesOnePastItUnread) {
    const AlertAnswers user({QStringLiteral("OK")});
    write(home("ten.csv"), "0123456789");
    write(home("eleven.csv"), "0123456789A");
    write(home("empty.csv"), {});

    EXPECT_EQ(flow.readFile(home("ten.csv"), 10, tooLarge), QByteArray("0123456789"));
    // Whether an empty file is worth importing is the flow's own question.
    EXPECT_EQ(flow.readFile(home("empty.csv"), 10, tooLarge), QByteArray());
    EXPECT_TRUE(user.alerts().isEmpty());

    EXPECT_EQ(flow.readFile(home("eleven.csv"), 10, tooLarge), std::nullopt);
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts()[0].objectName, QStringLiteral("testImportFailedAlert"));
    EXPECT_EQ(user.alerts()[0].text, QStringLiteral("“eleven.csv” cannot be imported."));
    const QLocale locale;
    EXPECT_EQ(user.alerts()[0].informativeText,
              tooLarge.arg(locale.formattedDataSize(11, 1), locale.formattedDataSize(10, 0)));
}

TEST_F(ImportFlowTest, refusesWhatIsNoRegularFileWithoutOpeningIt) {
    const AlertAnswers user({QStringLiteral("OK")});
    const WatchedFifo fifo(home("pipe.csv"));
    ASSERT_TRUE(fifo.made());
    ASSERT_TRUE(QDir().mkpath(home("folder.csv")));

    for (const QString& path : {fifo.path(), home("folder.csv"), home("missing.csv")}) {
        EXPECT_EQ(flow.readFile(path, 1000, tooLarge), std::nullopt) << path.toStdString();
    }
    ASSERT_EQ(user.alerts().size(), 3);
    for (const Alert::Shown& alert : user.alerts()) {
        EXPECT_EQ(alert.objectName, QStringLiteral("testImportFailedAlert"));
        EXPECT_FALSE(alert.informativeText.isEmpty()) << alert.text.toStdString();
    }
    EXPECT_FALSE(fifo.wasOpened());
}

TEST_F(ImportFlowTest, cancelStopsTheReadingAndTheProgressIsGoneBeforeItReturns) {
    QProgressDialog* progressDialog = nullptr;
    int steps = 0;
    const bool finished = flow.readWithProgress(home("slow.lib"), [&](const ImportFlow::Progress& progress) {
        progressDialog = window.findChild<QProgressDialog*>();
        if (!progressDialog) {
            return true;
        }
        for (; steps < 10; ++steps) {
            if (steps == 3) {
                progressDialog->cancel();
            }
            if (!progress(steps, 10)) {
                return false;
            }
        }
        return true;
    });
    ASSERT_TRUE(progressDialog) << "no progress dialog over the window while reading";
    EXPECT_FALSE(finished);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);
}

TEST_F(ImportFlowTest, appendsAsOneChangeAndCountsOnlyTheRecordsAdded) {
    const IOPtr known = record("known");
    const KeywordPtr food = Keyword::create(QStringLiteral("Food"));
    document.importRecords({known}, {food});
    const QUndoStack* undo = document.undoStack();
    ASSERT_EQ(undo->count(), 1);

    const KeywordPtr travel = Keyword::create(QStringLiteral("Travel"));
    EXPECT_EQ(flow.append({known, record("lunch"), record("train")}, {food, travel}), 2);
    EXPECT_EQ(undo->count(), 2);
    EXPECT_EQ(document.root()->mainLibrary()->count(), 3u);
    EXPECT_EQ(document.root()->keywords(), (KeywordList{food, travel}));

    EXPECT_EQ(flow.append({known}), 0);
    EXPECT_EQ(undo->count(), 2) << "a change that adds nothing is not a step to undo";

    document.undoStack()->undo();
    EXPECT_EQ(document.root()->mainLibrary()->records(), (IOList{known}));
    EXPECT_EQ(document.root()->keywords(), (KeywordList{food}));
}

} // namespace
