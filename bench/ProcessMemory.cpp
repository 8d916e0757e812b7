#include "ProcessMemory.h"

#include <QFile>
#include <QList>

#include <cstdio>

QByteArray ProcessMemory::status() {
    QFile file(QStringLiteral("/proc/self/status"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 ProcessMemory::kilobytes(const QByteArray& status, const char* field) {
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLongLong();
        }
    }
    return 0;
}

void ProcessMemory::printPeak() {
    std::printf("Peak resident memory (VmHWM: %lld kB)\n", static_cast<long long>(kilobytes("VmHWM:")));
}
