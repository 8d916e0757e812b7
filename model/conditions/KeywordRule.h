#pragma once

#include "Condition.h"
#include "Keyword.h"

#include <QString>

#include <memory>
#include <vector>

class KeywordRule;
using KeywordRulePtr = std::shared_ptr<KeywordRule>;
using KeywordRuleList = std::vector<KeywordRulePtr>;

// Tags records as they come in: a record its conditions match is given its
// keywords. A disabled rule, or one without conditions, matches nothing.
// Keywords and books in its tree, and the keywords it adds, are the library's
// own objects, shared by identity as smart books share them.
class KeywordRule {
public:
    KeywordRule() = default;
    KeywordRule(const KeywordRule&) = delete;
    KeywordRule& operator=(const KeywordRule&) = delete;

    static KeywordRulePtr create(const QString& name = QString());

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    const ConditionPtr& conditions() const { return m_conditions; }
    void setConditions(ConditionPtr conditions) { m_conditions = std::move(conditions); }
    const KeywordList& keywords() const { return m_keywords; }
    void setKeywords(KeywordList keywords) { m_keywords = std::move(keywords); }

    // Enabled, with conditions, and they match the record. Within a pass
    // (Condition::beginPass) when its tree holds relative dates or books.
    bool matches(const IO& record) const;

private:
    QString m_name;
    bool m_enabled = true;
    ConditionPtr m_conditions;
    KeywordList m_keywords;
};
