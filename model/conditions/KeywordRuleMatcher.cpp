#include "KeywordRuleMatcher.h"

#include "Clock.h"

#include <QSet>

#include <algorithm>

KeywordRuleMatcher::KeywordRuleMatcher(const DataRoot& root, const std::vector<const KeywordRule*>& skipped)
    : m_root(root) {
    const KeywordRuleList& rules = root.keywordRules();
    const ConditionPass pass{Clock::now(), [&root](const Book* book) {
                                 return root.holdsBook(book);
                             }};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const KeywordRule* rule = rules[i].get();
        const bool isSkipped = std::find(skipped.begin(), skipped.end(), rule) != skipped.end();
        if (rule && !isSkipped && rule->isEnabled() && rule->conditions()) {
            rule->conditions()->beginPass(pass);
            m_rules.emplace_back(i, rule);
        }
    }
}

KeywordRuleMatcher::~KeywordRuleMatcher() {
    for (const auto& [index, rule] : m_rules) {
        rule->conditions()->endPass();
    }
}

KeywordRuleMatcher::Match KeywordRuleMatcher::match(const IO& record) const {
    Match found;
    for (const auto& [index, rule] : m_rules) {
        if (!rule->matches(record)) {
            continue;
        }
        found.rules.push_back(index);
        for (const KeywordPtr& keyword : rule->keywords()) {
            const bool known = std::find(found.keywords.begin(), found.keywords.end(), keyword) != found.keywords.end();
            if (keyword && !known && !record.includesKeyword(keyword)) {
                found.keywords.push_back(keyword);
            }
        }
    }
    return found;
}

KeywordRuleMatcher::Match KeywordRuleMatcher::match(QDate day, const Amount& amount, const QString& comment,
                                                    const QStringList& keywordNames) const {
    if (m_rules.empty()) {
        return {};
    }
    if (!m_scratch) {
        m_scratch = IO::createWithTimeOfEntry(CalendarDate::now());
        for (const KeywordPtr& keyword : m_root.keywords()) {
            // The first of equal names, as an import takes them.
            if (keyword && !m_keywordsByName.contains(keyword->name())) {
                m_keywordsByName.insert(keyword->name(), keyword);
            }
        }
    }
    KeywordList keywords;
    for (const QString& name : keywordNames) {
        KeywordPtr& keyword = m_keywordsByName[name];
        if (!keyword) {
            keyword = Keyword::create(name);
        }
        keywords.push_back(keyword);
    }
    m_scratch->setDate(day);
    m_scratch->setAmount(amount);
    m_scratch->setComment(comment);
    m_scratch->setKeywords(std::move(keywords));
    return match(*m_scratch);
}

void KeywordRuleMatcher::tag(const IOList& records, KeywordList& newKeywords) const {
    if (m_rules.empty()) {
        return;
    }
    QSet<const Keyword*> listed;
    for (const KeywordPtr& keyword : m_root.keywords()) {
        listed.insert(keyword.get());
    }
    for (const KeywordPtr& keyword : newKeywords) {
        listed.insert(keyword.get());
    }
    for (const IOPtr& record : records) {
        for (const KeywordPtr& keyword : match(*record).keywords) {
            record->addKeyword(keyword);
            if (!listed.contains(keyword.get())) {
                listed.insert(keyword.get());
                newKeywords.push_back(keyword);
            }
        }
    }
}
