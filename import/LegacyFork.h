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

    LegacyStatus::Code open(const LegacyFileRef& file);
    // Reads `count` bytes at the mark and moves the mark past them. Fewer
    // bytes than asked because the file ends gives endOfFile, with
    // `actualCount` telling how many came.
    LegacyStatus::Code read(char* buffer, qint64 count, qint64* actualCount = nullptr);
    void close();

    qint64 size() const { return m_file.size(); }
    qint64 position() const { return m_file.pos(); }
    QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
};
