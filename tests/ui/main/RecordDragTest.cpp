#include "RecordDrag.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Data shaped like a record drag, as another kesh process would make it.
QByteArray foreignPayload(const QByteArray& token, quint32 count, const QList<quint64>& ids) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << quint32(0x6b494f31) << token << count;
    for (const quint64 id : ids) {
        out << id;
    }
    return bytes;
}

TEST(RecordDrag, idsComeBackInOrderUnderTheTypeIO) {
    const QList<IORegistry::Id> ids{7, 3, (IORegistry::Id(5) << 32) | 9};
    const std::unique_ptr<QMimeData> data(RecordDrag::mimeData(ids));
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("IO")});
    EXPECT_EQ(RecordDrag::recordIds(data.get()), ids);
    EXPECT_EQ(RecordDrag::decode(RecordDrag::encode({})), QList<IORegistry::Id>{});
}

TEST(RecordDrag, dataFromAnotherProcessOrDamagedIsRefused) {
    const QByteArray good = RecordDrag::encode({1, 2});
    // Same shape, another process's token: its ids name nothing here.
    EXPECT_FALSE(RecordDrag::decode(foreignPayload(QByteArray(16, 'x'), 2, {1, 2})));
    EXPECT_FALSE(RecordDrag::decode(good.left(good.size() - 1)));
    EXPECT_FALSE(RecordDrag::decode(good + QByteArray(1, '\0')));
    EXPECT_FALSE(RecordDrag::decode(QByteArray("1,2,3")));
    EXPECT_FALSE(RecordDrag::decode(QByteArray()));

    QMimeData text;
    text.setText(QStringLiteral("12"));
    EXPECT_FALSE(RecordDrag::recordIds(&text));
    EXPECT_FALSE(RecordDrag::recordIds(nullptr));
}

TEST(RecordDrag, aCountLargerThanTheDataIsRefusedBeforeAnythingIsReserved) {
    QByteArray bytes = RecordDrag::encode({1});
    // Patch the count (after magic, token length and token) to four billion.
    const qsizetype countAt = 4 + 4 + 16;
    for (int i = 0; i < 4; ++i) {
        bytes[countAt + i] = char(0xff);
    }
    EXPECT_FALSE(RecordDrag::decode(bytes));
}

} // namespace
