#pragma once

#include "DocumentCommand.h"

// The keywords that rules give records, added in one change. Keywords the
// library's list lacks (a rule may name one deleted since) join its end and
// leave it again on undo; undoing takes from each record exactly what it gained.
class ApplyKeywordRulesCommand : public DocumentCommand {
public:
    struct Gain {
        IOPtr record;
        // Keywords the record does not carry, each once.
        KeywordList keywords;
    };

    ApplyKeywordRulesCommand(LibraryDocument& document, std::vector<Gain> gains, KeywordList newKeywords,
                             const QString& text);

    void redo() override;
    void undo() override;

private:
    IOList records() const;

    std::vector<Gain> m_gains;
    KeywordList m_newKeywords;
    std::size_t m_keywordIndex;
};
