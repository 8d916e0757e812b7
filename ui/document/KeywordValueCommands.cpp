#include "KeywordValueCommands.h"

RenameKeyword::RenameKeyword(LibraryDocument& document, KeywordPtr keyword, const QString& name, const QString& text)
    : ChangeValue(document, {std::move(keyword)}, name, text) {}

QString RenameKeyword::get(const Keyword& keyword) const {
    return keyword.name();
}

void RenameKeyword::set(Keyword& keyword, const QString& name) const {
    keyword.setName(name);
}

void RenameKeyword::tell() {
    for (const KeywordPtr& keyword : objects()) {
        emit document().keywordRenamed(keyword);
    }
}
