#pragma once

#include "Condition.h"
#include "SearchKey.h"

#include <optional>

// Tests a record's comment against a text; case-sensitive, nothing folded.
// Canonically equivalent spellings count as the same text, except for the
// ends-with test, which compares the comment's tail exactly.
class CommentCondition : public Condition {
public:
    static std::shared_ptr<CommentCondition> create();

    Kind kind() const override { return Kind::Comment; }
    QString className() const override { return QStringLiteral("CommentCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

    // An empty text is never included and never starts a comment, but ends every comment.
    bool checkIncludes(const IO& record) const;
    bool checkStartsWith(const IO& record) const;
    bool checkEndsWith(const IO& record) const;

    void beginPass(const ConditionPass& pass) override;
    void endPass() override;

private:
    QString text() const;
    // Equal as whole texts.
    bool checkEquals(const IO& record) const;
    static bool equals(const SearchKey& key, const IO& record);
    static bool includes(const SearchKey& key, const IO& record);
    static bool startsWith(const SearchKey& key, const IO& record);

    // The text prepared for searching, once per refresh rather than per record.
    std::optional<SearchKey> m_passKey;
};
