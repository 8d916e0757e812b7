#include "RecordDrag.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QRandomGenerator>

namespace {
constexpr quint32 magic = 0x6b494f31; // "kIO1"
constexpr int tokenSize = 16;
} // namespace

const QByteArray& RecordDrag::processToken() {
    static const QByteArray token = [] {
        QByteArray bytes(tokenSize, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), tokenSize / 4);
        return bytes;
    }();
    return token;
}

QByteArray RecordDrag::encode(const QList<IORegistry::Id>& ids) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << magic << processToken() << quint32(ids.size());
    for (const IORegistry::Id id : ids) {
        out << quint64(id);
    }
    return bytes;
}

std::optional<QList<IORegistry::Id>> RecordDrag::decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 readMagic = 0;
    QByteArray token;
    quint32 count = 0;
    in >> readMagic >> token >> count;
    if (in.status() != QDataStream::Ok || readMagic != magic || token != processToken()) {
        return std::nullopt;
    }
    // Eight bytes per id must be there before anything is reserved.
    if (count > quint64(bytes.size()) / 8) {
        return std::nullopt;
    }
    QList<IORegistry::Id> ids;
    ids.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        quint64 id = 0;
        in >> id;
        ids.append(id);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        return std::nullopt;
    }
    return ids;
}

QMimeData* RecordDrag::mimeData(const QList<IORegistry::Id>& ids) {
    auto* data = new QMimeData;
    data->setData(mimeType(), encode(ids));
    return data;
}

std::optional<QList<IORegistry::Id>> RecordDrag::recordIds(const QMimeData* data) {
    if (!data || !data->hasFormat(mimeType())) {
        return std::nullopt;
    }
    return decode(data->data(mimeType()));
}

IOList RecordDrag::records(const QList<IORegistry::Id>& ids) {
    IOList found;
    found.reserve(std::size_t(ids.size()));
    for (const IORegistry::Id id : ids) {
        if (IOPtr record = IO::find(id)) {
            found.push_back(std::move(record));
        }
    }
    return found;
}
