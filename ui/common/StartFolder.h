#pragma once

#include <QString>

// Where a file dialog opens. Qt shows a folder that does not exist as a file
// name to open, so each answer is a folder that is there.
class StartFolder {
public:
    // The user's documents folder, or the home folder when there is none.
    static QString documents();
    // `path` itself when it exists, else its nearest folder that does.
    static QString nearestExisting(const QString& path);
};
