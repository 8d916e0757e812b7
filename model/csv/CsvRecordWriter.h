#pragma once

#include "IO.h"

#include <QCoreApplication>
#include <QString>

class QIODevice;

// Writes records as CSV a spreadsheet opens and kesh reads back: a header
// line, then per record its day (ISO 8601), its exact amount as a plain
// decimal with a point, its comment, its keywords joined with "; " and
// whether it counts in the statistics (true or false).
class CsvRecordWriter {
    Q_DECLARE_TR_FUNCTIONS(CsvRecordWriter)

public:
    // The header line's names, which the import recognises.
    static QString dateColumnName() { return QStringLiteral("date"); }
    static QString amountColumnName() { return QStringLiteral("amount"); }
    static QString commentColumnName() { return QStringLiteral("comment"); }
    static QString keywordsColumnName() { return QStringLiteral("keywords"); }
    static QString countedColumnName() { return QStringLiteral("counted"); }
    static QString keywordSeparator() { return QStringLiteral("; "); }

    // False with errorString() when a write failed.
    bool write(const IOList& records, QIODevice* device);
    // Replaces the file only once every byte is written.
    bool write(const IOList& records, const QString& filePath);
    const QString& errorString() const { return m_error; }

private:
    QString m_error;
};
