#include "LibraryDocument.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecurringRecords : public ::testing::Test {
public:
    RecurringRecords() {
        root = DataRoot::create();
        document = std::make_unique<LibraryDocument>(root);
    }

    static RecurringRecordPtr daily(const char* comment, QDate start) {
        RecurringRecordPtr made = RecurringRecord::create();
        made->setComment(QString::fromUtf8(comment));
        made->setAmount(Amount::fromInt(-3));
        RecurrenceRule rule;
        rule.setUnit(RecurrenceRule::Unit::Days);
        rule.setStart(start);
        made->setRule(rule);
        return made;
    }

    QStringList library() const {
        QStringList list;
        for (const IOPtr& record : root->mainLibrary()->records()) {
            list << record->comment() + QLatin1Char(' ') + record->date().toString(Qt::ISODate);
        }
        list.sort();
        return list;
    }

    DataRootPtr root;
    std::unique_ptr<LibraryDocument> document;
};

} // namespace

TEST_F(RecurringRecords, EnteringIsOneStepThatUndoTakesBackWithTheLastEnteredDays) {
    const RecurringRecordPtr coffee = daily("Coffee", QDate(2027, 5, 1));
    const RecurringRecordPtr paper = daily("Paper", QDate(2027, 5, 2));
    paper->setLastEntered(QDate(2027, 5, 2));
    document->addRecurringRecord(coffee);
    document->addRecurringRecord(paper);
    const int steps = document->undoStack()->count();
    QSignalSpy changes(document.get(), &LibraryDocument::changed);

    const IOList entered = document->enterDueRecurringRecords(QDate(2027, 5, 3));
    EXPECT_EQ(entered.size(), 4u);
    EXPECT_EQ(document->undoStack()->count(), steps + 1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(library(), (QStringList{u"Coffee 2027-05-01"_s, u"Coffee 2027-05-02"_s, u"Coffee 2027-05-03"_s,
                                      u"Paper 2027-05-03"_s}));
    EXPECT_EQ(coffee->lastEntered(), QDate(2027, 5, 3));
    // Entered once: asked again the same day, nothing is due.
    EXPECT_TRUE(document->enterDueRecurringRecords(QDate(2027, 5, 3)).empty());
    EXPECT_EQ(document->undoStack()->count(), steps + 1);

    document->undoStack()->undo();
    EXPECT_TRUE(library().isEmpty());
    EXPECT_FALSE(coffee->lastEntered().isValid());
    EXPECT_EQ(paper->lastEntered(), QDate(2027, 5, 2));
    EXPECT_EQ(document->dueRecurringRecords(QDate(2027, 5, 3)).size(), 4u);

    document->undoStack()->redo();
    EXPECT_EQ(library().size(), 4);
    EXPECT_EQ(paper->lastEntered(), QDate(2027, 5, 3));
}

TEST_F(RecurringRecords, AddEditAndDeleteAreUndone) {
    const RecurringRecordPtr rent = daily("Rent", QDate(2027, 1, 1));
    rent->setLastEntered(QDate(2027, 1, 9));
    QSignalSpy listChanges(document.get(), &LibraryDocument::recurringRecordsChanged);
    document->addRecurringRecord(rent);
    document->addRecurringRecord(rent);
    ASSERT_EQ(root->recurringRecords().size(), 1u);

    const RecurringRecordPtr values = daily("Rent", QDate(2027, 1, 1));
    EXPECT_FALSE(document->editRecurringRecord(rent, *values)) << "nothing changes";
    values->setComment(QStringLiteral("Flat"));
    RecurrenceRule weekly = values->rule();
    weekly.setUnit(RecurrenceRule::Unit::Weeks);
    values->setRule(weekly);
    EXPECT_TRUE(document->editRecurringRecord(rent, *values));
    EXPECT_EQ(rent->comment(), QStringLiteral("Flat"));
    EXPECT_EQ(rent->rule().unit(), RecurrenceRule::Unit::Weeks);
    // What was entered stays entered.
    EXPECT_EQ(rent->lastEntered(), QDate(2027, 1, 9));

    document->removeRecurringRecord(rent);
    EXPECT_TRUE(root->recurringRecords().empty());
    document->undoStack()->undo();
    document->undoStack()->undo();
    ASSERT_EQ(root->recurringRecords().size(), 1u);
    EXPECT_EQ(rent->comment(), QStringLiteral("Rent"));
    EXPECT_EQ(rent->rule().unit(), RecurrenceRule::Unit::Days);
    document->undoStack()->undo();
    EXPECT_TRUE(root->recurringRecords().empty());
    EXPECT_EQ(listChanges.count(), 6);
}

TEST_F(RecurringRecords, AnotherLibraryBringsItsOwnRecurringRecords) {
    document->addRecurringRecord(daily("Mine", QDate(2027, 1, 1)));
    DataRoot other;
    other.setRecurringRecords({daily("Theirs", QDate(2027, 1, 1))});
    document->replaceLibrary(other, QStringLiteral("Restore"));
    ASSERT_EQ(root->recurringRecords().size(), 1u);
    EXPECT_EQ(root->recurringRecords().front()->comment(), QStringLiteral("Theirs"));
    document->undoStack()->undo();
    EXPECT_EQ(root->recurringRecords().front()->comment(), QStringLiteral("Mine"));
}

TEST_F(RecurringRecords, AKeywordDeletedSinceIsNotBroughtBack) {
    const KeywordPtr kept = document->addKeyword();
    const KeywordPtr gone = document->addKeyword();
    const RecurringRecordPtr coffee = daily("Coffee", QDate(2027, 5, 1));
    coffee->setKeywords({kept, gone});
    document->addRecurringRecord(coffee);
    document->deleteKeywords({gone});
    const IOList entered = document->enterDueRecurringRecords(QDate(2027, 5, 1));
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered.front()->keywords(), KeywordList{kept});
}
