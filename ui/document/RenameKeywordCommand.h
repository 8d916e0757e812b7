#pragma once

#include "DocumentCommand.h"

// A keyword's new name, which every record carrying it shows.
class RenameKeywordCommand : public DocumentCommand {
public:
    RenameKeywordCommand(LibraryDocument& document, KeywordPtr keyword, QString name, const QString& text);

    void redo() override;
    void undo() override;

private:
    void rename(const QString& name);

    KeywordPtr m_keyword;
    QString m_new;
    QString m_old;
};
