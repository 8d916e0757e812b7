#include "RecordDrag.h"

#include "RecordDragData.h"

namespace {
const RecordDragData* dragDataOf(const QMimeData* data) {
    return dynamic_cast<const RecordDragData*>(data);
}
} // namespace

QMimeData* RecordDrag::mimeData(IOWeakList records) {
    return new RecordDragData(std::move(records));
}

bool RecordDrag::isRecordDrag(const QMimeData* data) {
    return dragDataOf(data) != nullptr;
}

std::size_t RecordDrag::recordCount(const QMimeData* data) {
    const RecordDragData* dragged = dragDataOf(data);
    return dragged ? dragged->records().size() : 0;
}

IOList RecordDrag::records(const QMimeData* data) {
    IOList found;
    const RecordDragData* dragged = dragDataOf(data);
    if (!dragged) {
        return found;
    }
    found.reserve(dragged->records().size());
    for (const std::weak_ptr<IO>& held : dragged->records()) {
        if (IOPtr record = held.lock()) {
            found.push_back(std::move(record));
        }
    }
    return found;
}
