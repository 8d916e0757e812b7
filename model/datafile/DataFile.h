#pragma once

#include "DataRoot.h"

#include <QString>

// Where the library lives and how a program opens it: "~/Library/Kesh Data",
// read whole at start and written whole on save.
class DataFile {
public:
    DataFile() = delete;

    // "~/Library/Kesh Data" with the home folder expanded.
    static QString defaultPath();
    // The previous version kept beside the file by every save: "<path>.bak".
    static QString backupPath(const QString& path);
    // The lock file that marks the library as in use: "<path>.lock".
    static QString lockPath(const QString& path);

    struct LoadResult {
        DataRootPtr root;     // set on success
        bool existed = false; // false: there was no file and `root` is a fresh library
        QString error;        // set when a file exists but could not be read; `root` is then null
        bool ok() const { return root != nullptr; }
    };
    // Reads the file, or makes a fresh library when there is none.
    static LoadResult load(const QString& path);
    // Writes the whole library, keeping the previous file as the backup.
    static bool save(const DataRoot& root, const QString& path, QString* error);
};
