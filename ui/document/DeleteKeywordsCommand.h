#pragma once

#include "DocumentCommand.h"

// Keywords leave the library's list and every record of the main library.
// Undoing puts each back at its place in the list and in each record's keywords.
class DeleteKeywordsCommand : public DocumentCommand {
public:
    DeleteKeywordsCommand(LibraryDocument& document, KeywordList keywords, const QString& text);

    void redo() override;
    void undo() override;

private:
    struct Carrier {
        IOPtr record;
        std::size_t index;
    };
    struct Removed {
        KeywordPtr keyword;
        std::size_t index = 0;
        std::vector<Carrier> carriers;
    };
    IOList touchedRecords() const;

    KeywordList m_keywords;
    // In the order of removal; undone in reverse, so every index is where it was.
    std::vector<Removed> m_removed;
};
