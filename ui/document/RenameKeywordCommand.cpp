#include "RenameKeywordCommand.h"

RenameKeywordCommand::RenameKeywordCommand(LibraryDocument& document, KeywordPtr keyword, QString name,
                                           const QString& text)
    : DocumentCommand(document, text)
    , m_keyword(std::move(keyword))
    , m_new(std::move(name))
    , m_old(m_keyword->name()) {}

void RenameKeywordCommand::rename(const QString& name) {
    framed({LibraryDocument::Change::Keywords, RecordRevision::Keywords}, [&] {
        m_keyword->setName(name);
        emit document().keywordRenamed(m_keyword);
    });
}

void RenameKeywordCommand::redo() {
    rename(m_new);
}

void RenameKeywordCommand::undo() {
    rename(m_old);
}
