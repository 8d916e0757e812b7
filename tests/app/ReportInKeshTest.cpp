#include "AppFixture.h"
#include "BookListController.h"
#include "CustomTableView.h"
#include "FileDialogAnswer.h"
#include "GraphWindow.h"
#include "KeywordChartView.h"
#include "LedgerChartView.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"
#include "ReportWindow.h"
#include "SampleRecords.h"
#include "ShownBook.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// March 2024: food 50 and 20 (the 20 also car), car 40, rent without a
// keyword 500, uncounted tires 999 for the car; a salary of 2000; food 7 in April.
class ReportInKesh : public AppFixture {
protected:
    void SetUp() override {
        const DataRootPtr root = library();
        food = Keyword::create(QStringLiteral("Food"));
        car = Keyword::create(QStringLiteral("Car"));
        root->addKeyword(food);
        root->addKeyword(car);
        const BookPtr& main = root->mainLibrary();
        add(main, "-50", QDate(2024, 3, 1), "Grocer", {food});
        add(main, "-20", QDate(2024, 3, 15), "Drive-in", {food, car});
        add(main, "-40", QDate(2024, 3, 20), "Fuel", {car});
        add(main, "-500", QDate(2024, 3, 31), "Rent", {});
        add(main, "-999", QDate(2024, 3, 26), "Tires", {car}, false);
        add(main, "2000", QDate(2024, 3, 25), "Salary", {});
        add(main, "-7", QDate(2024, 4, 1), "Grocer", {food});
        writeLibrary(*root);
        ASSERT_TRUE(launch());
        find<QAction>("reportWindowAction")->trigger();
        ASSERT_TRUE(report());
        ASSERT_TRUE(report()->isVisible());
        report()->setDays(QDate(2024, 3, 1), QDate(2024, 3, 31));
        report()->updateNow();
    }
    void add(const BookPtr& book, const char* amount, QDate day, const char* comment, KeywordList keywords,
             bool counted = true) {
        const IOPtr record = sampleRecord(amount, day, QString::fromLatin1(comment), counted);
        record->setKeywords(std::move(keywords));
        book->addObject(record);
    }
    ReportWindow* report() const { return app->windows()->reportWindow(); }
    QString cell(ReportWindow::Tab tab, int row, int column) const {
        const QTableWidgetItem* item = report()->table(tab)->item(row, column);
        return item ? item->text() : QString();
    }
    IOPtr record(const char* comment) const {
        for (const IOPtr& r : app->dataRoot()->mainLibrary()->records()) {
            if (r->comment() == QLatin1String(comment)) {
                return r;
            }
        }
        return nullptr;
    }
    QStringList shownComments() const {
        QStringList comments;
        for (const IOPtr& r : app->windows()->shownBook()->book()->filteredList()) {
            comments << r->comment();
        }
        comments.sort();
        return comments;
    }
    void waitForCell(ReportWindow::Tab tab, int row, int column, const QString& text) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return cell(tab, row, column) == text; }, 5000))
            << "the report did not come to show " << text.toStdString() << ", it shows "
            << cell(tab, row, column).toStdString();
    }

    KeywordPtr food;
    KeywordPtr car;
};

TEST_F(ReportInKesh, showsTheCountedSpendingByKeywordWithTheTotalKeptHonest) {
    // Rent, food, car, then the total of each record once and what two rows both hold.
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 0, 0), QStringLiteral("No keyword"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 0, 1), QStringLiteral("500.00"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 0), QStringLiteral("Food"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 1), QStringLiteral("70.00"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 3), QStringLiteral("2"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 4), QStringLiteral("35.00"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 2, 1), QStringLiteral("60.00"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 3, 1), QStringLiteral("610.00"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 3, 2), QStringLiteral("100.0%"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 4, 0), QStringLiteral("Counted in several keywords"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 4, 1), QStringLiteral("20.00"));
    const QString summary = report()->findChild<QLabel*>(QStringLiteral("summaryLabel"))->text();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Total 610.00 in 4 "))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("20.00 more than the total"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("not counted in the statistics"))) << summary.toStdString();
    EXPECT_EQ(report()->chartView()->partCount(), 3);
    // The copied table is the one shown, a tab between cells.
    EXPECT_TRUE(
        report()->sheetText(ReportWindow::KeywordTab).contains(QStringLiteral("Food\t70.00\t11.5%\t2\t35.00\n")));

    report()->setSide(ReportSide::Income);
    report()->updateNow();
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 0, 1), QStringLiteral("2,000.00"));
}

TEST_F(ReportInKesh, followsAnEditedRecord) {
    app->document()->setAmount(record("Fuel"), Amount::fromString(QStringLiteral("-100")));
    waitForCell(ReportWindow::KeywordTab, 1, 0, QStringLiteral("Car"));
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 1), QStringLiteral("120.00"));
    // Out of the range, and counted no more.
    app->document()->setDate(record("Rent"), QDate(2024, 4, 1));
    waitForCell(ReportWindow::KeywordTab, 0, 0, QStringLiteral("Car"));
    app->document()->setIncludeInStats(record("Drive-in"), 0);
    waitForCell(ReportWindow::KeywordTab, 0, 1, QStringLiteral("100.00"));
    app->document()->undoStack()->undo();
    waitForCell(ReportWindow::KeywordTab, 0, 1, QStringLiteral("120.00"));
}

TEST_F(ReportInKesh, aMonthTableSumsKeywordsByMonthWithTotals) {
    report()->setDays(QDate(2024, 3, 1), QDate(2024, 4, 30));
    report()->updateNow();
    QTableWidget* months = report()->table(ReportWindow::MonthTab);
    ASSERT_EQ(months->columnCount(), 4);
    EXPECT_EQ(months->horizontalHeaderItem(1)->text(), QStringLiteral("Mar 2024"));
    EXPECT_EQ(cell(ReportWindow::MonthTab, 1, 0), QStringLiteral("Food"));
    EXPECT_EQ(cell(ReportWindow::MonthTab, 1, 2), QStringLiteral("7.00"));
    EXPECT_EQ(cell(ReportWindow::MonthTab, 1, 3), QStringLiteral("77.00"));
    EXPECT_EQ(cell(ReportWindow::MonthTab, 3, 1), QStringLiteral("610.00"));
    EXPECT_EQ(cell(ReportWindow::MonthTab, 3, 3), QStringLiteral("617.00"));
}

TEST_F(ReportInKesh, clickingAFigureShowsItsRecordsInTheMainWindowUntilCleared) {
    QTableWidget* table = report()->table(ReportWindow::KeywordTab);
    emit table->cellClicked(1, 1);
    EXPECT_EQ(shownComments(), (QStringList{QStringLiteral("Drive-in"), QStringLiteral("Grocer")}));
    EXPECT_TRUE(find<QWidget>("keywordSearchBar")->isVisibleTo(app->mainWindow()));
    EXPECT_TRUE(find<QWidget>("dayRangeBar")->isVisibleTo(app->mainWindow()));
    const LedgerFormat format;
    EXPECT_TRUE(find<QLabel>("dayRangeLabel")
                    ->text()
                    .contains(format.formatDate(QDate(2024, 3, 1)) + QStringLiteral(" – ") +
                              format.formatDate(QDate(2024, 3, 31))))
        << find<QLabel>("dayRangeLabel")->text().toStdString();
    // The report keeps to the book instead of following the search it asked for.
    EXPECT_EQ(report()->book(), app->dataRoot()->mainLibrary());
    EXPECT_EQ(cell(ReportWindow::KeywordTab, 1, 1), QStringLiteral("70.00"));

    // April of food, from the month table.
    report()->setDays(QDate(2024, 1, 1), QDate(2024, 12, 31));
    report()->updateNow();
    emit report()->table(ReportWindow::MonthTab)->cellClicked(1, 4);
    EXPECT_EQ(shownComments(), (QStringList{QStringLiteral("Grocer")}));
    EXPECT_EQ(app->windows()->shownBook()->dayRange(), DayRange(QDate(2024, 4, 1), QDate(2024, 4, 30)));

    find<QToolButton>("clearDayRangeButton")->click();
    find<QToolButton>("showAllRecordsButton")->click();
    EXPECT_EQ(shownComments().size(), 7);
    EXPECT_FALSE(find<QWidget>("dayRangeBar")->isVisibleTo(app->mainWindow()));

    // No keyword search picks out the records without keywords: the days are shown, and the status line says so.
    emit table->cellClicked(0, 1);
    EXPECT_EQ(shownComments().size(), 7);
    EXPECT_FALSE(find<QWidget>("keywordSearchBar")->isVisibleTo(app->mainWindow()));
    EXPECT_FALSE(app->mainWindow()->statusBar()->currentMessage().isEmpty());

    // A payee is searched for.
    emit report()->table(ReportWindow::CommentTab)->cellClicked(1, 0);
    EXPECT_EQ(find<QLineEdit>("searchField")->text(), QStringLiteral("Grocer"));
    EXPECT_EQ(shownComments(), (QStringList{QStringLiteral("Grocer"), QStringLiteral("Grocer")}));
}

TEST_F(ReportInKesh, exportsItsTableAsCsv) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.csv"));
    QString error;
    ASSERT_TRUE(report()->writeCsv(ReportWindow::KeywordTab, path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Keyword,Amount,Share,Records,Average\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Food,70.00,11.5%,2,35.00\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"Total, each record once\",610.00"))) << text.toStdString();
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(ReportInKesh, fileExportPdfWritesThePagesTheTableNeeds) {
    const BookPtr& main = app->dataRoot()->mainLibrary();
    IOList many;
    for (int i = 0; i < 300; ++i) {
        many.push_back(sampleRecord("-1", QDate(2023, 1, 1).addDays(i), QStringLiteral("r%1").arg(i)));
    }
    app->document()->importRecords(many);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->filteredCount() == 307; }, 5000)) << "the import did not show";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.pdf"));
    chooseInFileDialog(path);
    find<QAction>("exportPdfAction")->trigger();
    const int pages = pdfPages(path);
    // Some 60 rows to an A4 or Letter page.
    EXPECT_GE(pages, 4);
    EXPECT_LE(pages, 8);

    // Only the selected records, when several are.
    auto* records = find<QAbstractItemView>("ioListView");
    records->selectionModel()->select(QItemSelection(records->model()->index(0, 0), records->model()->index(1, 0)),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    chooseInFileDialog(path);
    find<QAction>("exportPdfAction")->trigger();
    EXPECT_EQ(pdfPages(path), 1);
}

TEST_F(ReportInKesh, filePrintShowsThePagesInAPreview) {
    int pages = 0;
    whenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* dialog) {
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_TRUE(preview) << "the preview dialog shows no pages";
        pages = preview->pageCount();
        dialog->reject();
    });
    find<QAction>("printAction")->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(find<QAction>("printAction")->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST_F(ReportInKesh, theGraphIsExportedAsAPngOfItsSizeAndAsAPdf) {
    app->windows()->toggleGraphWindow();
    GraphWindow* graph = app->graphWindow();
    ASSERT_TRUE(graph);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("graph.png"));
    ASSERT_TRUE(graph->exportPng(png));
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), graph->chartView()->size() * graph->chartView()->devicePixelRatio());
    const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
    ASSERT_TRUE(graph->exportPdf(pdf));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_FALSE(graph->exportPng(dir.filePath(QStringLiteral("missing/graph.png"))));
}

} // namespace
