#pragma once

#include "DataFile.h"

#include <QFile>

#include <gtest/gtest.h>

// The data file as the import tests see it: one place that reads and writes it.
inline DataRootPtr libraryAt(const QString& path) {
    DataFile file(path);
    EXPECT_TRUE(file.load()) << file.errorString().toStdString();
    return file.root();
}

inline bool saveLibrary(const DataRoot& root, const QString& path) {
    DataFile file(path);
    const bool saved = file.save(root);
    EXPECT_TRUE(saved) << file.errorString().toStdString();
    return saved;
}

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
