#pragma once

#include "DataFile.h"

#include <QFile>

#include <gtest/gtest.h>

// The data file as the import tests see it: one place that reads and writes it.
inline DataRootPtr libraryAt(const QString& path) {
    DataFile::LoadResult loaded = DataFile::load(path);
    EXPECT_TRUE(loaded.ok()) << loaded.error.toStdString();
    return loaded.root;
}

inline bool saveLibrary(const DataRoot& root, const QString& path) {
    QString error;
    const bool saved = DataFile::save(root, path, &error);
    EXPECT_TRUE(saved) << error.toStdString();
    return saved;
}

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
