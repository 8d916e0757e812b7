#pragma once

#include "IO.h"
#include "IORegistry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QMimeData;

// The data of a record drag, type "IO": the ids of the dragged records.
// Ids name records of the running kesh only, so the data carries a token of
// the process that made it, and data from any other process is refused.
class RecordDrag {
public:
    RecordDrag() = delete;

    static QString mimeType() { return QStringLiteral("IO"); }
    static QMimeData* mimeData(const QList<IORegistry::Id>& ids);
    // The ids, or nothing when the data is not a record drag of this process.
    static std::optional<QList<IORegistry::Id>> recordIds(const QMimeData* data);
    static bool isRecordDrag(const QMimeData* data) { return recordIds(data).has_value(); }
    // The records the ids name that still exist, in the order given.
    static IOList records(const QList<IORegistry::Id>& ids);

    static QByteArray encode(const QList<IORegistry::Id>& ids);
    static std::optional<QList<IORegistry::Id>> decode(const QByteArray& bytes);

private:
    static const QByteArray& processToken();
};
