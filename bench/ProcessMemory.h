#pragma once

#include <QByteArray>

// The kernel's own count of this process's memory (/proc/self/status).
class ProcessMemory {
public:
    // The whole status text, to read several figures of one moment.
    static QByteArray status();
    // A figure such as "VmRSS:" or "VmHWM:" of a status text, in KiB.
    static qint64 kilobytes(const QByteArray& status, const char* field);
    static qint64 kilobytes(const char* field) { return kilobytes(status(), field); }
    // Prints the peak resident memory, as every benchmark program does at the end.
    static void printPeak();
};
