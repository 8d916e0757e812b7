#include "RecordDragData.h"

#include "RecordDrag.h"

RecordDragData::RecordDragData(IOWeakList records)
    : m_records(std::move(records)) {
    // The type alone lets views outside kesh see what is dragged; the
    // records never leave the process.
    setData(RecordDrag::mimeType(), QByteArray());
}
