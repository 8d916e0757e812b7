#include "LegacyFork.h"

#include "RegularFile.h"

LegacyStatus::Code LegacyFork::open(const LegacyFileRef& file) {
    close();
    m_error.clear();
    RegularFile regular;
    if (regular.open(file.path, &m_file)) {
        return LegacyStatus::noError;
    }
    m_error = regular.errorString();
    switch (regular.status()) {
    case RegularFile::Status::NoFile:
        return LegacyStatus::fileNotFound;
    case RegularFile::Status::PermissionDenied:
        return LegacyStatus::permissionDenied;
    case RegularFile::Status::NotAFile:
        return LegacyStatus::notAFile;
    case RegularFile::Status::Read:
    case RegularFile::Status::ReadFailed:
        break;
    }
    return LegacyStatus::ioError;
}

LegacyStatus::Code LegacyFork::read(char* buffer, qint64 count, qint64* actualCount) {
    if (actualCount) {
        *actualCount = 0;
    }
    if (!m_file.isOpen()) {
        return LegacyStatus::ioError;
    }
    qint64 total = 0;
    // A device may hand over less than asked before it ends; keep asking.
    while (total < count) {
        const qint64 got = m_file.read(buffer + total, count - total);
        if (got < 0) {
            return LegacyStatus::ioError;
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    if (actualCount) {
        *actualCount = total;
    }
    if (total == count) {
        return LegacyStatus::noError;
    }
    return m_file.error() == QFileDevice::NoError ? LegacyStatus::endOfFile : LegacyStatus::ioError;
}

void LegacyFork::close() {
    if (m_file.isOpen()) {
        m_file.close();
    }
}
