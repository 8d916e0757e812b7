#include "RecordDrag.h"

#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(RecordDrag, recordsComeBackInOrderUnderTheTypeIOWhileTheyLive) {
    IOPtr first = IO::create();
    const IOPtr second = IO::create();
    const std::unique_ptr<QMimeData> data(RecordDrag::mimeData({second, first}));
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("IO")});
    EXPECT_TRUE(RecordDrag::isRecordDrag(data.get()));
    EXPECT_EQ(RecordDrag::records(data.get()), (IOList{second, first}));
    // The drag does not keep a deleted record alive, nor bring it back.
    const std::weak_ptr<IO> watched = first;
    first.reset();
    EXPECT_TRUE(watched.expired());
    EXPECT_EQ(RecordDrag::recordCount(data.get()), 2u);
    EXPECT_EQ(RecordDrag::records(data.get()), IOList{second});
}

TEST(RecordDrag, dataLabelledIOFromElsewhereIsNoRecordDrag) {
    // Another process, or anything else, may name its data "IO".
    QMimeData labelled;
    labelled.setData(QStringLiteral("IO"), QByteArray(40, '\1'));
    EXPECT_FALSE(RecordDrag::isRecordDrag(&labelled));
    EXPECT_TRUE(RecordDrag::records(&labelled).empty());
    EXPECT_EQ(RecordDrag::recordCount(&labelled), 0u);
    QMimeData text;
    text.setText(QStringLiteral("12"));
    EXPECT_FALSE(RecordDrag::isRecordDrag(&text));
    EXPECT_FALSE(RecordDrag::isRecordDrag(nullptr));
    EXPECT_TRUE(RecordDrag::records(nullptr).empty());
}

} // namespace
