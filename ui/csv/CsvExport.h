#pragma once

#include "CsvRecordWriter.h"
#include "IO.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// File › Export…: the records the table shows, or the selected ones when
// the user picks several and says so, written to a CSV file the user names.
// The file type chosen in the file dialog says for whom: plain CSV that
// kesh and other programs read, or CSV for spreadsheets of the user's
// locale (a byte-order mark, the locale's separator and decimal mark, and
// amounts with the decimals of the record table's column). The choice is
// offered again the next time.
class CsvExport {
    Q_DECLARE_TR_FUNCTIONS(CsvExport)

public:
    // `shown` in table order; `selected` in table order too.
    CsvExport(IOList shown, IOList selected, QString bookName, QWidget* parent);

    // Asks which records and where, then writes them. The number written.
    qint64 run();
    qint64 runWithFile(const IOList& records, const QString& filePath, bool forSpreadsheets = false);

    // The file types the file dialog offers.
    static QString plainFilter();
    static QString spreadsheetFilter();

private:
    // The selected records, all shown ones, or none when the user cancels.
    const IOList* chooseRecords() const;
    // The path, and whether the user chose the file type for spreadsheets.
    QString chooseFile(bool* forSpreadsheets) const;
    static CsvRecordWriter::Options spreadsheetOptions(const IOList& records);

    IOList m_shown;
    IOList m_selected;
    QString m_bookName;
    QWidget* m_parent;
};
