#pragma once

#include "Condition.h"
#include "SearchKey.h"

// Tests a record's comment against a text; case-sensitive, nothing folded.
class CommentCondition : public Condition {
public:
    static std::shared_ptr<CommentCondition> create();

    Kind kind() const override { return Kind::Comment; }
    QString className() const override { return QStringLiteral("CommentCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

    bool checkIncludes(const IO& record) const;
    bool checkStartsWith(const IO& record) const;
    bool checkEndsWith(const IO& record) const;

private:
    // The text in form C, prepared once rather than per record.
    const SearchKey& searchKey() const;
    QString text() const;

    mutable SearchKey m_searchKey;
    mutable QString m_searchKeySource;
};
