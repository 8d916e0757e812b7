#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

#include <initializer_list>

class QIODevice;

// Writes RFC 4180 CSV in UTF-8: fields apart by a separator (a comma unless
// told), rows ending in CR LF, and a field in double quotes (its quotes
// doubled) when it holds the separator, a quote, a line break or space at
// either end. Rows gather in a buffer that goes to the device in large
// writes; every write is checked.
class CsvWriter {
    Q_DECLARE_TR_FUNCTIONS(CsvWriter)

public:
    // `separator` is a comma, a semicolon or a tab.
    explicit CsvWriter(QIODevice* device, QChar separator = u',');
    ~CsvWriter();
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // The UTF-8 byte-order mark, by which spreadsheets know the encoding; before any row.
    void writeByteOrderMark();
    void addField(QStringView text);
    // Free text a user wrote: protected from being taken as a formula (CsvFormulaGuard).
    void addTextField(QStringView text);
    // A field known to need no quotes (numbers, dates, true/false).
    void addPlainField(QLatin1StringView text);
    void endRow();
    void writeRow(std::initializer_list<QStringView> fields);

    // Writes what is buffered; false (with errorString()) once any write failed.
    bool flush();
    bool hasFailed() const { return m_failed; }
    const QString& errorString() const { return m_error; }

    static bool needsQuotes(QStringView text, QChar separator = u',');

private:
    void separate();
    void flushIfFull();
    void appendUtf8(QStringView text);

    QIODevice* m_device;
    char m_separator;
    QStringEncoder m_encoder{QStringEncoder::Utf8};
    QByteArray m_buffer;
    int m_fieldsInRow = 0;
    bool m_onlyFieldEmpty = false;
    bool m_failed = false;
    QString m_error;
};
