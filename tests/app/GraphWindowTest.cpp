#include "GraphWindow.h"
#include "AppFixture.h"
#include "BookListController.h"
#include "Clock.h"
#include "CustomTableView.h"
#include "LedgerChartView.h"
#include "LibraryDocument.h"
#include "PreferencesManager.h"
#include "RecurringRecord.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

// Library: January +100.50 salary, -30.25 groceries, +7 refund not counted;
// March -1200 lunch. Car: salary, refund, lunch.
class GraphInKesh : public AppFixture {
protected:
    void SetUp() override {
        const DataRootPtr root = library();
        const BookPtr& main = root->mainLibrary();
        main->addObject(sampleRecord("100.50", QDate(2024, 1, 10), QStringLiteral("salary")));
        main->addObject(sampleRecord("-30.25", QDate(2024, 1, 12), QStringLiteral("groceries")));
        main->addObject(sampleRecord("7", QDate(2024, 1, 20), QStringLiteral("refund"), false));
        main->addObject(sampleRecord("-1200", QDate(2024, 3, 4), QStringLiteral("lunch")));
        const BookPtr car = Book::create();
        car->setBookName(QStringLiteral("Car"));
        root->addDumbBook(car);
        for (const IOPtr& record : main->records()) {
            if (record->comment() != QStringLiteral("groceries")) {
                car->addObject(record);
            }
        }
        writeLibrary(*root);
        ASSERT_TRUE(launch());
    }

    GraphWindow* graph() const { return app->graphWindow(); }
    QToolButton* button() const { return find<QToolButton>("graphToggleButton"); }
    QAction* menuCommand() const { return find<QAction>("graphWindowAction"); }
    bool openInPreferences() const {
        return app->preferencesManager()->boolForKey(PreferencesManager::graphWindowOpenKey());
    }
    // The graph's periods: "2024-01-01 +100.5 -30.25 =70.25".
    QStringList drawn() const {
        QStringList lines;
        for (const PeriodTotals::Totals& t : graph()->totals().periods()) {
            lines << QStringLiteral("%1 +%2 -%3 =%4")
                         .arg(t.start.toString(Qt::ISODate))
                         .arg(t.in)
                         .arg(t.out)
                         .arg(t.balance);
        }
        return lines;
    }
    void select(const char* name) const {
        for (std::size_t i = 0; i < app->dataRoot()->bookCount(); ++i) {
            if (app->dataRoot()->bookAtIndex(i)->bookName() == QLatin1String(name)) {
                find<CustomTableView>("bookListView")
                    ->selectRow(int(app->bookListController()->rowOfBook(app->dataRoot()->bookAtIndex(i).get())));
            }
        }
    }
    IOPtr record(const char* comment) const {
        for (const IOPtr& r : app->dataRoot()->mainLibrary()->records()) {
            if (r->comment() == QLatin1String(comment)) {
                return r;
            }
        }
        return nullptr;
    }
};

TEST_F(GraphInKesh, theButtonAndTheViewMenuOpenAndCloseItAndThePreferenceFollows) {
    EXPECT_FALSE(openInPreferences());
    EXPECT_FALSE(graph());
    ASSERT_TRUE(button()->isEnabled());

    button()->click();
    ASSERT_TRUE(graph());
    EXPECT_TRUE(graph()->isVisible());
    EXPECT_TRUE(button()->isChecked());
    EXPECT_TRUE(menuCommand()->isChecked());
    EXPECT_TRUE(openInPreferences());

    menuCommand()->trigger();
    EXPECT_FALSE(graph()->isVisible());
    EXPECT_FALSE(button()->isChecked());
    EXPECT_FALSE(menuCommand()->isChecked());
    EXPECT_FALSE(openInPreferences());

    // Closed by its own close control.
    menuCommand()->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph()));
    EXPECT_TRUE(button()->isChecked());
    graph()->close();
    EXPECT_FALSE(button()->isChecked());
    EXPECT_FALSE(menuCommand()->isChecked());
    EXPECT_FALSE(openInPreferences());
}

TEST_F(GraphInKesh, anOpenGraphComesBackAtStartWithItsFrameAndPeriod) {
    button()->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph()));
    graph()->resize(700, 420);
    graph()->setPeriod(PeriodTotals::Period::Year);
    ASSERT_TRUE(quit());

    ASSERT_TRUE(launch());
    ASSERT_TRUE(graph());
    EXPECT_TRUE(graph()->isVisible());
    EXPECT_TRUE(button()->isChecked());
    EXPECT_EQ(graph()->size(), QSize(700, 420));
    EXPECT_EQ(graph()->period(), PeriodTotals::Period::Year);
    EXPECT_EQ(drawn(), QStringList{QStringLiteral("2024-01-01 +100.5 -1230.25 =-1129.75")});
    graph()->close();
    ASSERT_TRUE(quit());

    // Closed at quit: stays closed, and is not even made.
    ASSERT_TRUE(launch());
    EXPECT_FALSE(graph());
    EXPECT_FALSE(button()->isChecked());
}

TEST_F(GraphInKesh, theGraphFollowsBookSearchEditsAndUndo) {
    button()->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph()));
    // The refund does not count.
    EXPECT_EQ(drawn(),
              (QStringList{QStringLiteral("2024-01-01 +100.5 -30.25 =70.25"), QStringLiteral("2024-02-01 +0 -0 =70.25"),
                           QStringLiteral("2024-03-01 +0 -1200 =-1129.75")}));

    select("Car");
    EXPECT_EQ(drawn(),
              (QStringList{QStringLiteral("2024-01-01 +100.5 -0 =100.5"), QStringLiteral("2024-02-01 +0 -0 =100.5"),
                           QStringLiteral("2024-03-01 +0 -1200 =-1099.5")}));
    QTest::keyClicks(find<QLineEdit>("searchField"), QStringLiteral("lun"));
    EXPECT_EQ(drawn(), QStringList{QStringLiteral("2024-03-01 +0 -1200 =-1200")});
    QTest::keyClick(find<QLineEdit>("searchField"), Qt::Key_Escape);

    // Changes reach the graph with the reload that follows them.
    app->document()->setIncludeInStats(record("refund"), 1);
    app->document()->setDate(record("lunch"), QDate(2024, 1, 31));
    EXPECT_TRUE(QTest::qWaitFor([this] { return drawn().size() == 1; })) << "the graph did not show 1 month within 5 s";
    EXPECT_EQ(drawn(), QStringList{QStringLiteral("2024-01-01 +107.5 -1200 =-1092.5")});
    find<QAction>("undoAction")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return drawn().size() == 3; }))
        << "the graph did not show 3 months within 5 s";
    EXPECT_EQ(drawn().last(), QStringLiteral("2024-03-01 +0 -1200 =-1092.5"));
}

// Today March 10: the library ends at -1129.75 in March.
TEST_F(GraphInKesh, theBalanceAheadFollowsTheRecurringRecordsThroughTheDocumentAndUndo) {
    struct ClockScope {
        ClockScope() { Clock::setFixed(QDateTime(QDate(2024, 3, 10), QTime(10, 0))); }
        ~ClockScope() { Clock::reset(); }
    } clock;
    button()->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph()));
    graph()->setMonthsAhead(3);
    const auto ahead = [this] {
        QStringList lines;
        for (const BalanceForecast::Point& p : graph()->chartView()->ahead()) {
            lines << QStringLiteral("%1 =%2").arg(p.start.toString(Qt::ISODate)).arg(p.balance);
        }
        return lines;
    };
    EXPECT_EQ(ahead(), QStringList());

    const RecurringRecordPtr rent = RecurringRecord::create();
    rent->setAmount(Amount::fromString(QStringLiteral("-100")));
    RecurrenceRule rule;
    rule.setStart(QDate(2024, 4, 1));
    rent->setRule(rule);
    app->document()->addRecurringRecord(rent);
    EXPECT_EQ(ahead(), (QStringList{QStringLiteral("2024-04-01 =-1229.75"), QStringLiteral("2024-05-01 =-1329.75"),
                                    QStringLiteral("2024-06-01 =-1429.75")}));
    RecurringRecord cheaper;
    cheaper.setAmount(Amount::fromString(QStringLiteral("-50")));
    cheaper.setRule(rule);
    ASSERT_TRUE(app->document()->editRecurringRecord(rent, cheaper));
    EXPECT_EQ(ahead().last(), QStringLiteral("2024-06-01 =-1279.75"));
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(ahead().last(), QStringLiteral("2024-06-01 =-1429.75"));
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(ahead(), QStringList());
    ASSERT_TRUE(quit());

    ASSERT_TRUE(launch());
    ASSERT_TRUE(graph());
    EXPECT_EQ(graph()->monthsAhead(), 3);
}

} // namespace
