#include "CsvFileShape.h"

#include "CsvRecordMapping.h"
#include "CsvTable.h"

CsvFileShape CsvFileShape::of(const CsvTable& table, QChar separator, const CsvRecordMapping& mapping) {
    CsvFileShape shape;
    shape.separator = separator;
    shape.startRow = mapping.startRow;
    if (table.rowCount() <= mapping.startRow) {
        return shape;
    }
    // The title lines above the table change from one statement to the next; the table's start does not.
    shape.columnCount = table.fieldCount(mapping.startRow);
    if (mapping.hasHeader) {
        for (int column = 0; column < shape.columnCount; ++column) {
            shape.headerNames.append(table.field(mapping.startRow, column).trimmed().toString());
        }
    }
    return shape;
}
