#pragma once

#include "CsvEncoding.h"
#include "CsvProgress.h"
#include "CsvTable.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <cstddef>

class QIODevice;

// Reads CSV text as RFC 4180 lays it out: fields apart by a separator,
// records ending at a line break, fields in double quotes holding
// separators, line breaks and doubled quotes. Lines may end in CR LF, LF or
// CR alone; blank lines are skipped. Memory stays bounded: a file, a field,
// a row and the whole table each have a limit, and passing one stops the
// reading with the line where it happened. A failed read leaves no rows.
class CsvReader {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)

public:
    struct Limits {
        qint64 fileBytes = qint64(100) << 20;
        qsizetype fieldCharacters = qsizetype(1) << 20;
        int columns = 1000;
        std::size_t rows = 2'000'000;
        std::size_t fields = 20'000'000;
    };

    CsvReader() = default;

    void setEncoding(CsvEncoding::Encoding encoding) { m_encoding = encoding; }
    CsvEncoding::Encoding encoding() const { return m_encoding; }
    void setSeparator(QChar separator) { m_separator = separator; }
    QChar separator() const { return m_separator; }
    void setLimits(const Limits& limits) { m_limits = limits; }
    const Limits& limits() const { return m_limits; }
    // Reading reports to it and stops, failing, when it is cancelled.
    void setProgress(CsvProgress* progress) { m_progress = progress; }

    // False with errorString() and errorLine() set.
    bool read(QIODevice* device);
    bool readFile(const QString& filePath);
    bool read(QByteArrayView bytes);
    // The first rows only, at most `rows`. With `more`, the file goes on
    // past `bytes`, and a row they cut off is left out. Fails only for a
    // fault within those rows.
    bool readHead(QByteArrayView bytes, std::size_t rows, bool more);

    const CsvTable& table() const { return m_table; }
    CsvTable takeTable() { return std::move(m_table); }
    const QString& errorString() const { return m_error; }
    // The line the fault is on, counted from 1; 0 when it concerns the whole file.
    qint64 errorLine() const { return m_errorLine; }

    // The separator the first line uses most of: comma, semicolon or tab.
    static QChar guessSeparator(QByteArrayView head);

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    void start();
    bool feed(QByteArrayView bytes, bool last);
    bool decodeAndParse(QByteArrayView lines);
    qint64 firstUndecodableLine(QByteArrayView lines) const;
    bool parse(QStringView text);
    bool finish();
    bool endField();
    bool endRow();
    bool fail(const QString& error, qint64 line);
    bool fileTooLarge(qint64 size);
    bool cancelled();

    CsvEncoding::Encoding m_encoding = CsvEncoding::Utf8;
    QChar m_separator = u',';
    Limits m_limits;
    CsvProgress* m_progress = nullptr;
    // Reading stops once the table has this many rows.
    std::size_t m_rowsWanted = 0;

    CsvTable m_table;
    QString m_error;
    qint64 m_errorLine = 0;

    // Reading state, carried from one block of the file to the next.
    QByteArray m_carry;
    qint64 m_bytesRead = 0;
    bool m_firstBlock = true;
    State m_state = State::FieldStart;
    qint64 m_line = 1;
    qint64 m_rowLine = 1;
    qint64 m_quoteLine = 1;
    bool m_afterCR = false;
    bool m_rowHasText = false;
    bool m_anyText = false;
    bool m_enoughRows = false;
};
