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
// amounts with the decimals of the record table's column), or QIF for
// programs that read bank statements. The choice is offered again the next
// time.
class CsvExport {
    Q_DECLARE_TR_FUNCTIONS(CsvExport)

public:
    enum class Format { Plain, Spreadsheets, Qif };

    // `shown` in table order; `selected` in table order too.
    CsvExport(IOList shown, IOList selected, QString bookName, QWidget* parent);

    // Asks which records and where, then writes them. The number written.
    qint64 run();
    qint64 runWithFile(const IOList& records, const QString& filePath, bool forSpreadsheets = false);
    qint64 runWithFile(const IOList& records, const QString& filePath, Format format);

    // The file types the file dialog offers.
    static QString plainFilter();
    static QString spreadsheetFilter();
    static QString qifFilter();

private:
    // The selected records, all shown ones, or none when the user cancels.
    const IOList* chooseRecords() const;
    // The path, and the file type the user chose.
    QString chooseFile(Format* format) const;
    bool writeQif(const IOList& records, const QString& filePath, QString* error) const;
    static CsvRecordWriter::Options spreadsheetOptions(const IOList& records);

    IOList m_shown;
    IOList m_selected;
    QString m_bookName;
    QWidget* m_parent;
};
