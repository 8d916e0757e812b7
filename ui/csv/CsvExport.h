#pragma once

#include "IO.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// File › Export…: the records the table shows, or the selected ones when
// the user picks several and says so, written to a CSV file the user names.
class CsvExport {
    Q_DECLARE_TR_FUNCTIONS(CsvExport)

public:
    // `shown` in table order; `selected` in table order too.
    CsvExport(IOList shown, IOList selected, QString bookName, QWidget* parent);

    // Asks which records and where, then writes them. The number written.
    qint64 run();
    qint64 runWithFile(const IOList& records, const QString& filePath);

private:
    // The selected records, all shown ones, or none when the user cancels.
    const IOList* chooseRecords() const;
    QString chooseFile() const;

    IOList m_shown;
    IOList m_selected;
    QString m_bookName;
    QWidget* m_parent;
};
