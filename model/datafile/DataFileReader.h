#pragma once

#include "DataRoot.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

class QIODevice;

// Reads a whole data file: checks that it is a kesh library of a format this
// kesh knows, that it is complete and undamaged, then rebuilds the library.
// Refuses anything else with a message that says what is wrong and a status
// that says what kind of wrong it is.
class DataFileReader {
    Q_DECLARE_TR_FUNCTIONS(DataFileReader)

public:
    // What a read found; what the user can do about it differs for each.
    enum class Status {
        Read,             // the library was read
        NoFile,           // nothing at the path
        Damaged,          // not a library, cut off, or its checksums or structure are wrong
        Newer,            // written by a newer kesh: a later format version or unknown features
        PermissionDenied, // the file may not be opened for reading
        NotAFile,         // a folder, device, FIFO or socket, or a link to one or to nothing
        ReadFailed,       // the system reported an error while reading
    };

    // From the device's current position to its end.
    bool read(QIODevice* device);
    // The bytes of a whole file.
    bool read(QByteArrayView file);
    // Only a regular file, and no more of it than its size when opened.
    bool readFile(const QString& path);

    // The library after a successful read.
    const DataRootPtr& root() const { return m_root; }
    Status status() const { return m_status; }
    // The format version of the file read; 0 before a successful read.
    quint32 formatVersion() const { return m_formatVersion; }
    // Why the read failed, ready to show; it never repeats the file's path.
    QString errorString() const { return m_error; }

private:
    bool readHeaderAndPayload(QByteArrayView file);
    bool fail(Status status, const QString& message);

    DataRootPtr m_root;
    Status m_status = Status::NoFile;
    quint32 m_formatVersion = 0;
    QString m_error;
};
