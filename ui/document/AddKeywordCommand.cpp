#include "AddKeywordCommand.h"

AddKeywordCommand::AddKeywordCommand(LibraryDocument& document, KeywordPtr keyword, const QString& text)
    : DocumentCommand(document, text)
    , m_keyword(std::move(keyword))
    , m_index(root().keywords().size()) {}

void AddKeywordCommand::redo() {
    framed({LibraryDocument::Change::Keywords, RecordRevision::Keywords}, [this] {
        root().insertKeyword(m_index, m_keyword);
        emit document().keywordAdded(m_keyword);
    });
}

void AddKeywordCommand::undo() {
    framed({LibraryDocument::Change::Keywords, RecordRevision::Keywords}, [this] {
        root().removeKeyword(m_keyword.get());
        emit document().keywordsRemoved({m_keyword});
    });
}
