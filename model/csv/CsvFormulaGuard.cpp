#include "CsvFormulaGuard.h"

namespace {

bool startsFormula(QChar c) {
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

} // namespace

bool CsvFormulaGuard::needsGuard(QStringView text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == mark) {
        ++first;
    }
    return first < text.size() && startsFormula(text[first]);
}

QStringView CsvFormulaGuard::unguarded(QStringView field) {
    if (!field.isEmpty() && field.front() == mark && needsGuard(field.sliced(1))) {
        return field.sliced(1);
    }
    return field;
}
