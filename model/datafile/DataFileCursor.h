#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <vector>

// Reads a data file's payload byte by byte, never past its end, and keeps the
// place in the library being read, so that a refusal can say where it is.
class DataFileCursor {
    Q_DECLARE_TR_FUNCTIONS(DataFileCursor)

public:
    // Thrown by fail(); the reader catches it and keeps errorString().
    struct Failure {};

    // `fileOffset`: where the bytes start in the file, for messages.
    DataFileCursor(QByteArrayView bytes, qint64 fileOffset);

    qsizetype remaining() const { return m_end - m_pos; }
    quint8 readByte() {
        if (m_pos == m_end) {
            failEarlyEnd();
        }
        return *m_pos++;
    }
    quint64 readVarint() {
        // Most numbers (kinds, classes, counts, zones) fit one byte.
        if (m_pos != m_end && *m_pos < 0x80) {
            return *m_pos++;
        }
        return readLongVarint();
    }
    qint64 readSigned() {
        const quint64 value = readVarint();
        return qint64(value >> 1) ^ -qint64(value & 1);
    }
    quint32 readLittleEndian32();
    // A count of items of at least `minimumItemSize` bytes each; refused when
    // the bytes left could not hold that many, so nothing is sized by it blindly.
    quint64 readCount(qsizetype minimumItemSize);
    // The next `size` bytes.
    QByteArrayView readBytes(quint64 size);
    // Cuts the last `size` bytes off the end and returns them.
    QByteArrayView takeTail(qsizetype size);

    // Where the item now being read starts; messages point there.
    void markItem() { m_itemStart = m_pos; }
    // For looking ahead and coming back.
    const uchar* position() const { return m_pos; }
    void rewind(const uchar* position) { m_pos = position; }

    // The place: one frame per object being read, naming its current item and,
    // in a list, the element.
    void enter(const char* item) { m_path.push_back({item, -1}); }
    void item(const char* item) { m_path.back() = {item, -1}; }
    void leave() { m_path.pop_back(); }
    std::size_t frame() const { return m_path.size() - 1; }
    void setElement(std::size_t frame, qint64 element) { m_path[frame].element = element; }
    void setElement(qint64 element) { m_path.back().element = element; }

    [[noreturn]] void fail(const QString& what);
    QString errorString() const { return m_error; }

private:
    struct Frame {
        const char* item;
        qint64 element;
    };
    quint64 readLongVarint();
    [[noreturn]] void failEarlyEnd();
    QString placeText() const;

    const uchar* m_begin;
    const uchar* m_pos;
    const uchar* m_end;
    const uchar* m_itemStart;
    qint64 m_fileOffset;
    std::vector<Frame> m_path;
    QString m_error;
};
