#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What goes on paper: a title, the lines that say what was chosen (search,
// keywords, days), a table of text cells and the totals lines after it.
struct PrintTable {
    QString title;
    QStringList subtitles;
    QStringList headers;
    // Figures stand right-aligned; one entry per column.
    QList<bool> rightAligned;
    // The column that takes the room the others leave (a comment), or -1.
    int stretchColumn = -1;
    QList<QStringList> rows;
    QStringList totals;
};
