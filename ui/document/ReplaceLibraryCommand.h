#pragma once

#include "DocumentCommand.h"

// Another library (a backup read from its file) takes the place of the
// library's books, records and keywords; the root itself stays, so whoever
// holds it keeps holding the library. Undoing and redoing trade the two sets
// of objects back and forth: each is one library's own, never mixed.
class ReplaceLibraryCommand : public DocumentCommand {
public:
    // Takes the books and keywords out of `other`, which is left empty: its
    // end must not touch what now belongs to this library.
    ReplaceLibraryCommand(LibraryDocument& document, DataRoot& other, const QString& text);
    ~ReplaceLibraryCommand() override;

    void redo() override { trade(); }
    void undo() override { trade(); }

private:
    // What the root does not hold while the command is done, or undone.
    struct Contents {
        Amount version;
        BookPtr mainLibrary;
        std::vector<BookPtr> dumbBooks;
        std::vector<SmartBookPtr> smartBooks;
        KeywordList keywords;
        KeywordRuleList keywordRules;
        RecurringRecordList recurringRecords;
        BudgetList budgets;
    };
    void trade();

    Contents m_other;
};
