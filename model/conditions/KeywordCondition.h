#pragma once

#include "Condition.h"

// Tests a record's keywords against one keyword of the library, by identity.
class KeywordCondition : public Condition {
public:
    static std::shared_ptr<KeywordCondition> create();

    Kind kind() const override { return Kind::Keyword; }
    QString className() const override { return QStringLiteral("KeywordCondition"); }
    ConditionPtr copy() const override;
    bool ioMatchesCondition(const IO& record) const override;

    // The record carries exactly this keyword and no other.
    bool checkIs(const IO& record) const;
    bool checkIncludes(const IO& record) const;
};
