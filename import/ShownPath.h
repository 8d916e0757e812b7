#pragma once

#include <QString>

// A path as the user reads it: the home folder as "~", native separators.
class ShownPath {
public:
    ShownPath() = delete;

    static QString of(const QString& path);
};
