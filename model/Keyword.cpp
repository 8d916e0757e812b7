#include "Keyword.h"

#include "RecordRevision.h"

Keyword::Keyword()
    : m_name(QStringLiteral("Untitled")) {}

KeywordPtr Keyword::create() {
    return std::make_shared<Keyword>();
}

KeywordPtr Keyword::create(const QString& name) {
    auto keyword = create();
    keyword->setName(name);
    return keyword;
}

KeywordPtr Keyword::withKeyword(const Keyword& other) {
    return create(other.name());
}

KeywordPtr Keyword::copy() const {
    return withKeyword(*this);
}

void Keyword::setName(const QString& name) {
    m_name = name;
    // Records show keyword names, so a sort by them may no longer hold.
    RecordRevision::advance(RecordRevision::Keywords);
}
