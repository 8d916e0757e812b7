#pragma once

#include "DataRoot.h"

#include <QByteArrayView>
#include <QString>

class QIODevice;

// Reads a whole data file: checks that it is a kesh library of a format this
// kesh knows, that it is complete and undamaged, then rebuilds the library.
// Refuses anything else with a message that says what is wrong.
class DataFileReader {
public:
    // From the device's current position to its end.
    bool read(QIODevice* device);
    // The bytes of a whole file.
    bool read(QByteArrayView file);
    bool readFile(const QString& path);

    // The library after a successful read.
    const DataRootPtr& root() const { return m_root; }
    QString errorString() const { return m_error; }

private:
    bool readHeaderAndPayload(QByteArrayView file);
    bool fail(const QString& message);

    DataRootPtr m_root;
    QString m_error;
};
