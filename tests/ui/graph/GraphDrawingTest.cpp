#include "AxisScale.h"
#include "Clock.h"
#include "GraphWindow.h"
#include "LedgerChartView.h"
#include "SampleRecords.h"
#include "SmartBook.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLabel>
#include <QLineSeries>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

struct LocaleScope {
    explicit LocaleScope(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

BookPtr bookOf(const QList<IOPtr>& records, const QString& name = QStringLiteral("Book")) {
    const BookPtr book = Book::create();
    book->setBookName(name);
    for (const IOPtr& record : records) {
        book->addObject(record);
    }
    book->reloadFilteredListWithSearchKey(QString(), {});
    return book;
}

class GraphDrawing : public ::testing::Test {
protected:
    // Made after the fixture's locale, so that its formats are that locale's.
    GraphWindow& window() {
        if (!m_window) {
            m_window = std::make_unique<GraphWindow>();
            m_window->resize(900, 500);
        }
        return *m_window;
    }
    void showBook(const BookPtr& book, bool isMainLibrary = false) {
        window().reloadGraph(book, isMainLibrary);
        window().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    QStringList emptyState() {
        if (window().findChild<QStackedWidget*>(QStringLiteral("graphPages"))->currentIndex() == 0) {
            return {};
        }
        return {window().findChild<QLabel*>(QStringLiteral("emptyTitleLabel"))->text(),
                window().findChild<QLabel*>(QStringLiteral("emptyHintLabel"))->text()};
    }
    // What the pointer over the bars of period `index` shows.
    QStringList hover(int index) {
        QBarSeries* bars = window().chartView()->barSeries();
        emit bars->hovered(true, index, bars->barSets().first());
        return QToolTip::text().split(QLatin1Char('\n'));
    }
    QStringList axisLabels() { return window().chartView()->periodAxis()->categoriesLabels(); }

    std::unique_ptr<GraphWindow> m_window;
};

TEST_F(GraphDrawing, hoveringABarShowsItsPeriodsFiguresAsTheStatisticsLineWritesThem) {
    const LocaleScope german("de_DE");
    // The window only reads the book; the library keeps it.
    const BookPtr book = bookOf({sampleRecord("1234.99", QDate(2024, 3, 2), QStringLiteral("a")),
                                 sampleRecord("-20000.5", QDate(2024, 3, 9), QStringLiteral("b")),
                                 sampleRecord("-99", QDate(2024, 3, 10), QStringLiteral("c"), false),
                                 sampleRecord("5", QDate(2024, 5, 1), QStringLiteral("d"))});
    showBook(book);
    ASSERT_EQ(window().totals().periods().size(), 3u);
    // With the cents, grouped the German way.
    EXPECT_EQ(hover(0).mid(0, 4),
              (QStringList{QStringLiteral("März 2024"), QStringLiteral("Incomings: 1.234,99"),
                           QStringLiteral("Outgoings: 20.000,50"), QStringLiteral("Balance: -18.765,51")}));
    EXPECT_EQ(hover(2).mid(0, 4),
              (QStringList{QStringLiteral("Mai 2024"), QStringLiteral("Incomings: 5,00"),
                           QStringLiteral("Outgoings: 0,00"), QStringLiteral("Balance: -18.760,51")}));
    // As many decimals as the record table's amount column shows.
    window().reloadGraph(book, false, 3);
    EXPECT_EQ(hover(2).at(1), QStringLiteral("Incomings: 5,000"));

    window().setPeriod(PeriodTotals::Period::Week);
    // German weeks begin on Monday.
    EXPECT_EQ(hover(0).first(), QStringLiteral("Week of 26.02.2024"));
    window().setPeriod(PeriodTotals::Period::Year);
    EXPECT_EQ(hover(0).first(), QStringLiteral("2024"));
}

TEST_F(GraphDrawing, sumsTooLargeForExactWholeNumbersAreMarkedAndEndlessOnesStillDraw) {
    const LocaleScope american("en_US");
    showBook(bookOf({sampleRecord("1e17", QDate(2024, 1, 1), QStringLiteral("a")),
                     sampleRecord("1", QDate(2024, 1, 2), QStringLiteral("b")),
                     sampleRecord("1e308", QDate(2025, 1, 1), QStringLiteral("c")),
                     sampleRecord("1e308", QDate(2025, 1, 2), QStringLiteral("d"))}));
    EXPECT_EQ(hover(0).at(1), QStringLiteral("Incomings: ≈ 100,000,000,000,000,000.00"));
    EXPECT_EQ(hover(12).at(1), QStringLiteral("Incomings: ∞"));
    EXPECT_TRUE(window().grab().size().isValid());
}

TEST_F(GraphDrawing, emptyGraphsSayWhyAndWhatToDo) {
    const LocaleScope american("en_US");
    showBook(bookOf({}), true);
    EXPECT_EQ(emptyState().first(), QStringLiteral("No records in this book"));
    EXPECT_TRUE(emptyState().last().contains(QStringLiteral("Enter records")));

    showBook(bookOf({}));
    EXPECT_TRUE(emptyState().last().contains(QStringLiteral("Drag records")));
    const SmartBookPtr smart = SmartBook::create();
    showBook(smart);
    EXPECT_TRUE(emptyState().last().contains(QStringLiteral("conditions")));

    const BookPtr book = bookOf({sampleRecord("5", QDate(2024, 1, 1), QStringLiteral("rent"), false)});
    showBook(book);
    EXPECT_EQ(emptyState().first(), QStringLiteral("None of these records count in the statistics"));
    book->reloadFilteredListWithSearchKey(QStringLiteral("salary"), {});
    showBook(book);
    EXPECT_EQ(emptyState().first(), QStringLiteral("No records match the search"));

    book->reloadFilteredListWithSearchKey(QString(), {});
    book->objectAtIndex(0)->setIncludeInStats(1);
    showBook(book);
    EXPECT_EQ(emptyState(), QStringList());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Graph of Book"));
}

TEST_F(GraphDrawing, aHiddenWindowDrawsWhenShownAndOnlyWhatItIsToldOfIsDrawnAgain) {
    const LocaleScope american("en_US");
    const BookPtr book = bookOf({sampleRecord("5", QDate(2024, 1, 1), QStringLiteral("rent"))});
    window().reloadGraph(book, false);
    EXPECT_TRUE(window().totals().isEmpty());
    showBook(book);
    ASSERT_EQ(window().totals().periods().size(), 1u);
    QSignalSpy drawn(window().chartView()->incomingsBars(), &QBarSet::valuesAdded);

    // Hidden and shown again with nothing new: the drawing stands.
    window().hide();
    window().show();
    EXPECT_EQ(drawn.count(), 0);

    book->objectAtIndex(0)->setAmountWithDouble(-8);
    window().reloadGraph(book, false);
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(window().totals().periods().front().out, 8.0);
    window().hide();
    book->objectAtIndex(0)->setDate(QDate(2023, 12, 31));
    window().reloadGraph(book, false);
    EXPECT_EQ(drawn.count(), 1);
    window().show();
    EXPECT_EQ(drawn.count(), 2);
    EXPECT_EQ(window().totals().periods().front().start, QDate(2023, 12, 1));
}

TEST_F(GraphDrawing, axisLabelsNameEachMonthOrOnlyRoundYearsAsRoomAllows) {
    const LocaleScope american("en_US");
    IOList halfYear;
    for (int month = 1; month <= 6; ++month) {
        halfYear.push_back(sampleRecord("10", QDate(2024, month, 3), QStringLiteral("x")));
    }
    showBook(bookOf(QList<IOPtr>(halfYear.begin(), halfYear.end())));
    EXPECT_EQ(axisLabels(),
              (QStringList{QStringLiteral("Jan 2024"), QStringLiteral("Feb 2024"), QStringLiteral("Mar 2024"),
                           QStringLiteral("Apr 2024"), QStringLiteral("May 2024"), QStringLiteral("Jun 2024")}));

    QList<IOPtr> decades;
    for (QDate day(1994, 7, 1); day < QDate(2024, 7, 1); day = day.addMonths(1)) {
        decades.append(sampleRecord("-3", day, QStringLiteral("x")));
    }
    showBook(bookOf(decades));
    const QStringList labels = axisLabels();
    EXPECT_GE(labels.size(), 3);
    EXPECT_LE(labels.size(), 16);
    for (const QString& label : labels) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}$")).match(label).hasMatch()) << label.toStdString();
    }
    // Each stands on the January of its year.
    const QCategoryAxis* axis = window().chartView()->periodAxis();
    const std::vector<PeriodTotals::Totals>& periods = window().totals().periods();
    for (const QString& label : labels) {
        const QDate start = periods.at(std::size_t(axis->endValue(label))).start;
        EXPECT_EQ(start, QDate(label.toInt(), 1, 1));
    }

    // A narrow window names fewer years.
    window().resize(300, 400);
    EXPECT_LT(axisLabels().size(), labels.size());
}

} // namespace

namespace {

// Where zero sits on an axis, as a share of its height from the bottom.
double zeroShare(const QValueAxis* axis) {
    return -axis->min() / (axis->max() - axis->min());
}

} // namespace

// The bars and the balance line are drawn against two axes; whatever their
// figures, zero is one height on both, each axis holds its values in round
// steps, and a balance that never goes below zero gets no room below it.
TEST_F(GraphDrawing, theBarsAndTheBalanceShareTheirZero) {
    const LocaleScope american("en_US");
    const struct {
        std::vector<const char*> amounts;
        bool roomBelowZero;
    } cases[] = {
        {{"120000", "-3000", "-2500", "-4100"}, false},
        {{"-500", "-700", "300"}, true},
        {{"50", "-45000000", "900", "60000000"}, true},
        {{"0.30", "0.25"}, false},
    };
    for (const auto& c : cases) {
        QList<IOPtr> records;
        QDate day(2024, 1, 1);
        for (const char* amount : c.amounts) {
            records << sampleRecord(amount, day, QStringLiteral("r"));
            day = day.addDays(9);
        }
        showBook(bookOf(records));
        window().setPeriod(PeriodTotals::Period::Week);
        const QList<QAbstractAxis*> axes = window().chartView()->chart()->axes(Qt::Vertical);
        ASSERT_EQ(axes.size(), 2);
        const auto* bars = qobject_cast<QValueAxis*>(axes[0]);
        const auto* balance = qobject_cast<QValueAxis*>(axes[1]);
        ASSERT_TRUE(bars && balance);
        EXPECT_NEAR(zeroShare(bars), zeroShare(balance), 1e-9) << c.amounts.front();
        EXPECT_EQ(bars->tickCount(), balance->tickCount());
        EXPECT_EQ(balance->min() < 0.0, c.roomBelowZero) << c.amounts.front();
        const PeriodTotals& totals = window().totals();
        for (const PeriodTotals::Totals& t : totals.periods()) {
            EXPECT_LE(std::max(t.in, t.out), bars->max());
            EXPECT_GE(t.balance, balance->min());
            EXPECT_LE(t.balance, balance->max());
        }
    }
}

// The main library with +100 in January and -50 in March; a salary of 1000
// on each 15th, entered up to February's, March 15 still to come.
TEST_F(GraphDrawing, theLibrarysBalanceGoesOnAheadAsADashedLineTheAxesHold) {
    const LocaleScope american("en_US");
    struct ClockScope {
        ClockScope() { Clock::setFixed(QDateTime(QDate(2024, 3, 10), QTime(10, 0))); }
        ~ClockScope() { Clock::reset(); }
    } clock;
    const BookPtr library = bookOf({sampleRecord("100", QDate(2024, 1, 5), QStringLiteral("a")),
                                    sampleRecord("-50", QDate(2024, 3, 2), QStringLiteral("b"))});
    const RecurringRecordPtr salary = RecurringRecord::create();
    salary->setAmount(Amount::fromString(QStringLiteral("1000")));
    RecurrenceRule rule;
    rule.setStart(QDate(2024, 1, 15));
    rule.setMonthDay(15);
    salary->setRule(rule);
    salary->setLastEntered(QDate(2024, 2, 15));
    window().setRecurringRecords({salary});
    showBook(library, true);
    LedgerChartView* chart = window().chartView();
    EXPECT_FALSE(chart->aheadSeries()->isVisible());

    window().setMonthsAhead(6);
    // April to September, up to September 10: six salaries from March's on.
    QLineSeries* line = chart->aheadSeries();
    ASSERT_EQ(line->count(), 7);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->at(0), QPointF(2, 50));
    EXPECT_EQ(line->at(6), QPointF(8, 6050));
    EXPECT_EQ(line->pen().style(), Qt::DashLine);
    EXPECT_EQ(line->pen().color(), chart->balanceSeries()->pen().color());
    const QList<QAbstractAxis*> axes = chart->chart()->axes(Qt::Vertical);
    const auto* bars = qobject_cast<QValueAxis*>(axes.at(0));
    const auto* balance = qobject_cast<QValueAxis*>(line->attachedAxes().at(1));
    ASSERT_TRUE(bars && balance);
    EXPECT_GE(balance->max(), 6050.0);
    EXPECT_NEAR(zeroShare(bars), zeroShare(balance), 1e-9);
    EXPECT_DOUBLE_EQ(chart->periodAxis()->max(), 8.5);
    EXPECT_TRUE(axisLabels().contains(QStringLiteral("Sep 2024")));

    // The pointer over September, where no bar stands.
    const QPointF inChart = chart->chart()->mapToPosition(line->at(6), line);
    QTest::mouseMove(chart->viewport(), chart->mapFromScene(chart->chart()->mapToScene(inChart)));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000)) << "no figures within 2 s";
    EXPECT_EQ(QToolTip::text(), QStringLiteral("September 2024\nExpected balance: 6,050.00"));
    EXPECT_EQ(chart->figuresText(8), QToolTip::text());

    // Entered in the main library alone: a book's balance goes on no further, nor does a search's.
    window().reloadGraph(library, false);
    EXPECT_TRUE(chart->ahead().empty());
    EXPECT_FALSE(line->isVisible());
    EXPECT_DOUBLE_EQ(chart->periodAxis()->max(), 2.5);
    library->reloadFilteredListWithSearchKey(QStringLiteral("a"), {});
    window().reloadGraph(library, true);
    EXPECT_TRUE(chart->ahead().empty());
    library->reloadFilteredListWithSearchKey(QString(), {});
    window().reloadGraph(library, true);
    EXPECT_EQ(chart->ahead().size(), 6u);
    // A salary that does not count leaves nothing ahead.
    salary->setIncludeInStats(0);
    window().setRecurringRecords({salary});
    EXPECT_TRUE(chart->ahead().empty());

    // The months ahead come back with the frame.
    GraphWindow other;
    other.setFrame(window().frame());
    EXPECT_EQ(other.monthsAhead(), 6);
}

TEST(AxisScaleTest, roundStepsAreOneTwoTwoAndAHalfOrFiveTimesAPowerOfTen) {
    for (const auto& [atLeast, step] : {std::pair{0.0, 0.0},
                                        {1.0, 1.0},
                                        {1.01, 2.0},
                                        {2.2, 2.5},
                                        {3.0, 5.0},
                                        {100.0, 100.0},
                                        {300.0 / 3.0, 100.0},
                                        {0.07, 0.1},
                                        {7.5e7, 1e8}}) {
        EXPECT_DOUBLE_EQ(AxisScale::roundStep(atLeast), step) << atLeast;
    }
}
