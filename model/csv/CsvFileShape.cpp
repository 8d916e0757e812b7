#include "CsvFileShape.h"

#include "CsvRecordMapping.h"
#include "CsvTable.h"

CsvFileShape CsvFileShape::of(const CsvTable& table, QChar separator, const CsvRecordMapping& mapping) {
    CsvFileShape shape;
    shape.separator = separator;
    if (table.rowCount() == 0) {
        return shape;
    }
    shape.columnCount = table.fieldCount(0);
    if (mapping.hasHeader) {
        for (int column = 0; column < shape.columnCount; ++column) {
            shape.headerNames.append(table.field(0, column).trimmed().toString());
        }
    }
    return shape;
}
