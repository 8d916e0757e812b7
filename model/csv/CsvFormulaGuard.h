#pragma once

#include <QChar>
#include <QStringView>

// Spreadsheets take a cell whose text begins with =, +, -, @, a tab or a
// carriage return as a formula, and a formula can open links or run
// commands. kesh writes such text with an apostrophe before it, which
// spreadsheets show as text. Text that already begins with apostrophes
// before one of those characters gets one more, so that taking one off when
// kesh reads its own export gives back exactly the text it wrote.
class CsvFormulaGuard {
public:
    static constexpr QChar mark = u'\'';

    // Whether the text is written with the apostrophe before it.
    static bool needsGuard(QStringView text);
    // The text as it was before it was written: one apostrophe less when the
    // writer put one there.
    static QStringView unguarded(QStringView field);
};
