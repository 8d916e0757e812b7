#pragma once

#include "GetFileFromFileType.h"
#include "LegacyStatus.h"

#include <QFile>

// The content of a legacy file, open for reading from a current mark onwards.
class LegacyFork {
public:
    LegacyFork() = default;
    LegacyFork(const LegacyFork&) = delete;
    LegacyFork& operator=(const LegacyFork&) = delete;

    // Only a regular file is opened: notAFile for anything else, which is
    // never opened (a FIFO would wait for a writer, /dev/zero never ends).
    LegacyStatus::Code open(const LegacyFileRef& file);
    // Reads `count` bytes at the mark and moves the mark past them. Fewer
    // bytes than asked because the file ends gives endOfFile, with
    // `actualCount` telling how many came.
    LegacyStatus::Code read(char* buffer, qint64 count, qint64* actualCount = nullptr);
    void close();

    qint64 size() const { return m_file.size(); }
    qint64 position() const { return m_file.pos(); }
    // Why opening or reading failed, without the path.
    QString errorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }

private:
    QFile m_file;
    QString m_error;
};
