#pragma once

#include <QString>

// Where the library's files lie: the data file itself, the backup every save
// keeps beside it and the lock that marks it as in use.
class DataFilePaths {
public:
    DataFilePaths() = delete;

    // "~/Library/Kesh Data" with the home folder expanded.
    static QString defaultPath();
    // The previous version kept beside the file by every save: "<path>.bak".
    static QString backupPath(const QString& path);
    // The lock file that marks the library as in use: "<path>.lock".
    static QString lockPath(const QString& path);
};
