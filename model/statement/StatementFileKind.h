#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

// What a file to import holds, told by its first bytes rather than its name:
// banks name QFX files .ofx and QIF files .txt, and a CSV file may be called
// anything.
class StatementFileKind {
    Q_DECLARE_TR_FUNCTIONS(StatementFileKind)

public:
    enum class Kind { Csv, Ofx, Qif };

    static Kind of(QByteArrayView bytes);
    // Why a file of a kind no import reads (an image, a workbook, an archive)
    // is refused, told by its first bytes; empty for anything that may be text.
    static QString refusalOf(QByteArrayView bytes);
};
