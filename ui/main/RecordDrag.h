#pragma once

#include "IO.h"

#include <QString>

#include <cstddef>

class QMimeData;

// The data of a record drag, type "IO": the dragged records themselves, held
// weakly, so that a record deleted while it is dragged is dropped as nothing.
// Records are objects of the running kesh only: data that did not come from
// this process, however it is labelled, is no record drag.
class RecordDrag {
public:
    RecordDrag() = delete;

    static QString mimeType() { return QStringLiteral("IO"); }
    static QMimeData* mimeData(IOWeakList records);
    static bool isRecordDrag(const QMimeData* data);
    // How many records were dragged, live or not.
    static std::size_t recordCount(const QMimeData* data);
    // The dragged records that still exist, in the order dragged.
    static IOList records(const QMimeData* data);
};
