#include "DocumentFixture.h"
#include "RecordValueCommands.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using ValueCommands = Document;

// One step over many records, as the table's edits of a selection make:
// undoing gives each record its own value back, not the first one's.
TEST_F(ValueCommands, oneChangeOverManyRecordsIsOneStepAndEachGetsItsOwnValueBack) {
    QSignalSpy told(document.get(), &LibraryDocument::recordsChanged);
    document->undoStack()->push(
        new ChangeRecordComment(*document, {lunch, fuel, coffee}, QStringLiteral("paid"), QStringLiteral("Change")));
    EXPECT_EQ(document->undoStack()->count(), 1);
    for (const IOPtr& r : {lunch, fuel, coffee}) {
        EXPECT_EQ(r->comment(), QStringLiteral("paid"));
    }
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told.first().at(0).value<IOList>(), (IOList{lunch, fuel, coffee}));

    document->undoStack()->undo();
    EXPECT_EQ(lunch->comment(), QStringLiteral("lunch"));
    EXPECT_EQ(fuel->comment(), QStringLiteral("fuel"));
    EXPECT_EQ(coffee->comment(), QStringLiteral("coffee"));
    document->undoStack()->redo();
    EXPECT_EQ(fuel->comment(), QStringLiteral("paid"));
    EXPECT_EQ(savedAndRead(*root), picture(*root));
}

// A comment edit that the user makes as one edit, however many times it is
// committed on the way.
class OneCommentEdit : public ChangeRecordField<QString, RecordRevision::Comment> {
public:
    OneCommentEdit(LibraryDocument& document, IOList records, const QString& comment)
        : ChangeRecordField(document, std::move(records), comment, QStringLiteral("Type Comment"), 1) {}

private:
    QString get(const IO& record) const override { return record.comment(); }
    void set(IO& record, const QString& comment) const override { record.setComment(comment); }
};

TEST_F(ValueCommands, editsMadeAsOneAreOneStepBackToTheFirstValueOfTheSameRecordsOnly) {
    QUndoStack& stack = *document->undoStack();
    stack.push(new OneCommentEdit(*document, {lunch, fuel}, QStringLiteral("l")));
    stack.push(new OneCommentEdit(*document, {lunch, fuel}, QStringLiteral("lu")));
    stack.push(new OneCommentEdit(*document, {lunch, fuel}, QStringLiteral("lun")));
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(fuel->comment(), QStringLiteral("lun"));
    stack.undo();
    EXPECT_EQ(lunch->comment(), QStringLiteral("lunch"));
    EXPECT_EQ(fuel->comment(), QStringLiteral("fuel"));
    stack.redo();
    EXPECT_EQ(lunch->comment(), QStringLiteral("lun"));

    // Other records, or an edit of another kind in between: steps of their own.
    stack.push(new OneCommentEdit(*document, {lunch}, QStringLiteral("x")));
    document->setComment(lunch, QStringLiteral("y"));
    stack.push(new OneCommentEdit(*document, {lunch}, QStringLiteral("z")));
    EXPECT_EQ(stack.count(), 4);
}

} // namespace
