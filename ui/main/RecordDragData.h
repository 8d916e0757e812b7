#pragma once

#include "IO.h"

#include <QMimeData>

// What a record drag carries within kesh: the records, weakly held.
class RecordDragData : public QMimeData {
public:
    explicit RecordDragData(IOWeakList records);

    const IOWeakList& records() const { return m_records; }

private:
    IOWeakList m_records;
};
