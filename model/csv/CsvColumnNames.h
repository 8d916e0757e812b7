#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The names statements give their columns, in English, German, French,
// Spanish, Italian, Dutch and Japanese, and what each column holds. A header
// names a role when it is one of the role's names, or begins with one and
// goes on with a unit or a note: "Amount (GBP)", "Débit euros",
// "ご利用金額（円）". Case, accents and full-width letters do not count.
class CsvColumnNames {
public:
    enum class Role { Date, Amount, Debit, Credit, Comment, Keywords, Counted, Id };

    // How plainly the header names the role, 0 the plainest: "Transaction
    // Date" before "Posting Date" before "Value Date", a whole name before a
    // name with a note. Nothing when it does not name it.
    static std::optional<int> rank(Role role, QStringView header);
    // Whether a single column of amounts is named as card charges, which
    // statements write positive.
    static bool namesCharges(QStringView header);
    // The header as names are compared: trimmed, folded, accents and width dropped.
    static QString fold(QStringView header);
};
