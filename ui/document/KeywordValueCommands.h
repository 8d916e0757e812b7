#pragma once

#include "ChangeValue.h"

// Keywords given a new name, which every record carrying them shows.
class RenameKeyword : public ChangeValue<Keyword, QString> {
public:
    RenameKeyword(LibraryDocument& document, KeywordPtr keyword, const QString& name, const QString& text);

private:
    LibraryDocument::Change change() const override {
        return {LibraryDocument::Change::Keywords, RecordRevision::Keywords};
    }
    QString get(const Keyword& keyword) const override;
    void set(Keyword& keyword, const QString& name) const override;
    void tell() override;
};
