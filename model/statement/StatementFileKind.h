#pragma once

#include <QByteArrayView>

// What a file to import holds, told by its first bytes rather than its name:
// banks name QFX files .ofx and QIF files .txt, and a CSV file may be called
// anything.
class StatementFileKind {
public:
    enum class Kind { Csv, Ofx, Qif };

    static Kind of(QByteArrayView bytes);
};
