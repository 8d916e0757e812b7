#include "LegacyFork.h"

#include <QFileInfo>

LegacyStatus::Code LegacyFork::open(const LegacyFileRef& file) {
    close();
    m_file.setFileName(file.path);
    if (m_file.open(QIODevice::ReadOnly)) {
        return LegacyStatus::noError;
    }
    if (!QFileInfo::exists(file.path)) {
        return LegacyStatus::fileNotFound;
    }
    return m_file.error() == QFileDevice::PermissionsError ? LegacyStatus::permissionDenied : LegacyStatus::ioError;
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
