#include "CommentCondition.h"

#include "IO.h"

std::shared_ptr<CommentCondition> CommentCondition::create() {
    return std::make_shared<CommentCondition>();
}

ConditionPtr CommentCondition::copy() const {
    auto condition = create();
    condition->takeValuesOf(*this);
    return condition;
}

QString CommentCondition::text() const {
    const QString* text = std::get_if<QString>(&object());
    return text ? *text : QString();
}

void CommentCondition::beginPass(const ConditionPass&) {
    m_passKey.emplace(text());
}

void CommentCondition::endPass() {
    m_passKey.reset();
}

bool CommentCondition::includes(const SearchKey& key, const IO& record) {
    // A comment that lacks a character pair of the text cannot contain it.
    return !key.isEmpty() && (record.commentPairMask() & key.pairMask()) == key.pairMask() &&
           key.foundIn(record.normalizedComment());
}

bool CommentCondition::startsWith(const SearchKey& key, const IO& record) {
    // The first occurrence is at the start exactly when the comment begins with the text.
    return !key.isEmpty() && record.normalizedComment().startsWith(key.text());
}

bool CommentCondition::equals(const SearchKey& key, const IO& record) {
    return record.normalizedComment() == QStringView(key.text());
}

bool CommentCondition::checkIncludes(const IO& record) const {
    return m_passKey ? includes(*m_passKey, record) : includes(SearchKey(text()), record);
}

bool CommentCondition::checkStartsWith(const IO& record) const {
    return m_passKey ? startsWith(*m_passKey, record) : startsWith(SearchKey(text()), record);
}

bool CommentCondition::checkEquals(const IO& record) const {
    return m_passKey ? equals(*m_passKey, record) : equals(SearchKey(text()), record);
}

bool CommentCondition::checkEndsWith(const IO& record) const {
    // The tail as long as the text must equal it exactly. The empty tail equals
    // the empty text, also of a record without a comment, which counts as empty.
    const QString suffix = text();
    return suffix.isEmpty() || record.comment().endsWith(suffix, Qt::CaseSensitive);
}

bool CommentCondition::ioMatchesCondition(const IO& record) const {
    switch (conditionTypeCode()) {
    case Is:
        return checkEquals(record);
    case IsNot:
        return !checkEquals(record);
    case Includes:
        return checkIncludes(record);
    case DoesNotInclude:
        return !checkIncludes(record);
    case StartsWith:
        return checkStartsWith(record);
    case DoesNotStartWith:
        return !checkStartsWith(record);
    case EndsWith:
        return checkEndsWith(record);
    case DoesNotEndWith:
        return !checkEndsWith(record);
    default:
        return true;
    }
}
