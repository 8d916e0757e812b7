#include "DataFile.h"

#include "DataFileWriter.h"

DataFile::DataFile(const QString& path)
    : m_path(path) {}

bool DataFile::load() {
    m_root.reset();
    m_error.clear();
    DataFileReader reader;
    const bool read = reader.readFile(m_path);
    m_status = reader.status();
    m_formatVersion = reader.formatVersion();
    if (read) {
        m_root = reader.root();
        return true;
    }
    if (m_status == Status::NoFile) {
        m_root = DataRoot::create();
        return true;
    }
    m_error = reader.errorString();
    return false;
}

bool DataFile::save(const DataRoot& root) {
    DataFileWriter writer;
    if (writer.writeFile(root, m_path)) {
        m_error.clear();
        return true;
    }
    m_error = writer.errorString();
    return false;
}
