#pragma once

#include "DocumentCommand.h"

// A new keyword at the end of the library's list.
class AddKeywordCommand : public DocumentCommand {
public:
    AddKeywordCommand(LibraryDocument& document, KeywordPtr keyword, const QString& text);

    void redo() override;
    void undo() override;

private:
    KeywordPtr m_keyword;
    std::size_t m_index = 0;
};
