#include "AppFixture.h"
#include "Clock.h"
#include "DateField.h"
#include "LibraryDocument.h"
#include "PreferencesManager.h"
#include "RecordTableView.h"
#include "RecurringEntry.h"
#include "RecurringRecordDialog.h"
#include "RecurringRecordsWindow.h"
#include "WhenModal.h"
#include "WindowSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

RecurringRecordPtr recurring(const QString& comment, RecurrenceRule::Unit unit, QDate start) {
    RecurringRecordPtr made = RecurringRecord::create();
    made->setComment(comment);
    made->setAmount(Amount::fromInt(-10));
    RecurrenceRule rule;
    rule.setUnit(unit);
    rule.setMonthDay(start.day());
    rule.setStart(start);
    made->setRule(rule);
    return made;
}

class RecurringInKesh : public AppFixture {
protected:
    ~RecurringInKesh() override { Clock::reset(); }

    static void setToday(QDate day) { Clock::setFixed(QDateTime(day, QTime(10, 0))); }

    // Comments and days of the main library's records, sorted.
    QStringList records() const {
        QStringList list;
        for (const IOPtr& record : app->document()->root()->mainLibrary()->records()) {
            list << record->comment() + u' ' + record->date().toString(Qt::ISODate);
        }
        list.sort();
        return list;
    }
    QString status() const { return app->mainWindow()->statusBar()->currentMessage(); }
};

} // namespace

TEST_F(RecurringInKesh, EachOccurrenceIsEnteredOnceAcrossQuitClockSetBackAndDaysClosed) {
    DataRootPtr root = library();
    root->setRecurringRecords({recurring(u"Rent"_s, RecurrenceRule::Unit::Months, QDate(2027, 3, 1)),
                               recurring(u"Coffee"_s, RecurrenceRule::Unit::Days, QDate(2027, 3, 30))});
    writeLibrary(*root);

    // Opened on March 31: rent once, coffee for two days.
    setToday(QDate(2027, 3, 31));
    ASSERT_TRUE(launch());
    EXPECT_EQ(records(), (QStringList{u"Coffee 2027-03-30"_s, u"Coffee 2027-03-31"_s, u"Rent 2027-03-01"_s}));
    // Three records, named once each.
    EXPECT_TRUE(status().startsWith(u"3 recurring record"_s)) << status().toStdString();
    EXPECT_TRUE(status().endsWith(u" entered: Rent, Coffee"_s)) << status().toStdString();
    ASSERT_TRUE(quit());

    // Reopened the same day: nothing again.
    ASSERT_TRUE(launch());
    EXPECT_EQ(records().size(), 3);
    ASSERT_TRUE(quit());

    // The clock set back a week: nothing again either.
    setToday(QDate(2027, 3, 24));
    ASSERT_TRUE(launch());
    EXPECT_EQ(records().size(), 3);
    EXPECT_TRUE(status().isEmpty());
    ASSERT_TRUE(quit());

    // Two days closed: both days' coffee, and April's rent.
    setToday(QDate(2027, 4, 2));
    ASSERT_TRUE(launch());
    EXPECT_EQ(records(), (QStringList{u"Coffee 2027-03-30"_s, u"Coffee 2027-03-31"_s, u"Coffee 2027-04-01"_s,
                                      u"Coffee 2027-04-02"_s, u"Rent 2027-03-01"_s, u"Rent 2027-04-01"_s}));
    ASSERT_TRUE(quit());
    const DataRootPtr saved = readLibrary();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->recurringRecords().front()->lastEntered(), QDate(2027, 4, 2));
}

TEST_F(RecurringInKesh, MidnightEntersTheNewDaysAndUndoTakesThemBack) {
    DataRootPtr root = library();
    root->setRecurringRecords({recurring(u"Coffee"_s, RecurrenceRule::Unit::Days, QDate(2027, 6, 1))});
    writeLibrary(*root);
    setToday(QDate(2027, 6, 1));
    ASSERT_TRUE(launch());
    ASSERT_EQ(records().size(), 1);
    RecurringEntry* entry = app->windows()->recurringEntry();
    EXPECT_TRUE(entry->midnightTimer()->isActive());
    // 14 hours to midnight, and a second.
    EXPECT_NEAR(entry->midnightTimer()->interval(), 14 * 3600 * 1000 + 1000, 1000);

    setToday(QDate(2027, 6, 2));
    ASSERT_TRUE(QMetaObject::invokeMethod(entry->midnightTimer(), "timeout"));
    EXPECT_EQ(records(), (QStringList{u"Coffee 2027-06-01"_s, u"Coffee 2027-06-02"_s}));
    EXPECT_TRUE(entry->midnightTimer()->isActive()) << "armed for the next midnight";

    app->document()->undoStack()->undo();
    EXPECT_EQ(records().size(), 1);
    EXPECT_EQ(app->document()->root()->recurringRecords().front()->lastEntered(), QDate(2027, 6, 1));
}

TEST_F(RecurringInKesh, AskedFirstWhenTheUserWantsItAndNotNowLeavesThemDue) {
    DataRootPtr root = library();
    root->setRecurringRecords({recurring(u"Salary"_s, RecurrenceRule::Unit::Months, QDate(2027, 2, 25)),
                               recurring(u"Phone"_s, RecurrenceRule::Unit::Months, QDate(2027, 2, 20))});
    writeLibrary(*root);
    setToday(QDate(2027, 2, 26));
    ASSERT_TRUE(launch(false));
    PreferencesManager().setBool(true, RecurringEntry::askKey());
    {
        AlertAnswers answers({u"Not Now"_s});
        app->loadInterface();
        ASSERT_EQ(answers.alerts().size(), 1);
        EXPECT_TRUE(answers.alerts().front().text.startsWith(u"Enter 2 recurring record"_s));
        EXPECT_EQ(answers.alerts().front().informativeText, u"Salary, Phone"_s);
    }
    EXPECT_TRUE(records().isEmpty());
    AlertAnswers answers({u"Enter"_s});
    EXPECT_EQ(app->windows()->recurringEntry()->enterDue(), 2);
    EXPECT_EQ(records(), (QStringList{u"Phone 2027-02-20"_s, u"Salary 2027-02-25"_s}));
}

TEST_F(RecurringInKesh, NamesAreShortenedAfterAFew) {
    EXPECT_EQ(RecurringEntry::namesOf({u"Rent"_s, u"Rent"_s, u"Salary"_s}), u"Rent, Salary"_s);
    EXPECT_EQ(RecurringEntry::namesOf({u"A"_s, u"B"_s, u"C"_s, u"D"_s}), u"A, B, C, …"_s);
}

TEST_F(RecurringInKesh, TheWindowFollowsTheDocumentAndRepeatMakesOneFromTheSelectedRecord) {
    setToday(QDate(2027, 1, 15));
    DataRootPtr root = library();
    root->mainLibrary()->addObject(
        IO::create(Amount::fromInt(-700), QDateTime(QDate(2027, 1, 15), QTime()), {}, u"Rent"_s, 1));
    writeLibrary(*root);
    ASSERT_TRUE(launch());
    app->windows()->showRecurringRecords();
    RecurringRecordsWindow* window = app->windows()->recurringRecordsWindow();
    auto* list = window->findChild<QTreeWidget*>(u"recurringList"_s);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->topLevelItemCount(), 0);

    app->mainWindow()->ioListView()->selectRow(0);
    whenModal<RecurringRecordDialog>([](RecurringRecordDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(u"commentField"_s)->text(), u"Rent"_s);
        EXPECT_EQ(dialog->findChild<DateField*>(u"startDateField"_s)->date(), QDate(2027, 1, 15));
        dialog->accept();
    });
    app->windows()->repeatSelectedRecord();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = list->topLevelItem(0);
    EXPECT_EQ(row->text(RecurringRecordsWindow::CommentColumn), u"Rent"_s);
    EXPECT_EQ(row->text(RecurringRecordsWindow::AmountColumn), u"-700.00"_s);
    EXPECT_EQ(row->text(RecurringRecordsWindow::RuleColumn),
              u"Every month on day 15, from "_s + LedgerFormat().formatDate(QDate(2027, 1, 15)));
    // The selected record is the first: the next is a month on.
    EXPECT_EQ(row->text(RecurringRecordsWindow::NextDueColumn), LedgerFormat().formatDate(QDate(2027, 2, 15)));

    app->document()->undoStack()->undo();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    app->document()->undoStack()->redo();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    list->setCurrentItem(list->topLevelItem(0));
    window->deleteRecord();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(app->document()->root()->recurringRecords().empty());
}
