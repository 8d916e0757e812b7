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

const SearchKey& CommentCondition::searchKey() const {
    const QString current = text();
    if (current != m_searchKeySource) {
        m_searchKeySource = current;
        m_searchKey = SearchKey(current);
    }
    return m_searchKey;
}

bool CommentCondition::checkIncludes(const IO& record) const {
    // An empty text is never found.
    const SearchKey& key = searchKey();
    return !key.isEmpty() && key.foundIn(record.normalizedComment());
}

bool CommentCondition::checkStartsWith(const IO& record) const {
    const SearchKey& key = searchKey();
    return !key.isEmpty() && record.normalizedComment().startsWith(key.text());
}

bool CommentCondition::checkEndsWith(const IO& record) const {
    // The tail as long as the text must equal it exactly; the empty tail equals the empty text.
    return record.comment().endsWith(text(), Qt::CaseSensitive);
}

bool CommentCondition::ioMatchesCondition(const IO& record) const {
    switch (conditionTypeCode()) {
    case 1:
        return record.normalizedComment() == QStringView(searchKey().text());
    case 2:
        return record.normalizedComment() != QStringView(searchKey().text());
    case 7:
        return checkIncludes(record);
    case 8:
        return !checkIncludes(record);
    case 9:
        return checkStartsWith(record);
    case 10:
        return !checkStartsWith(record);
    case 11:
        return checkEndsWith(record);
    case 12:
        return !checkEndsWith(record);
    default:
        return true;
    }
}
