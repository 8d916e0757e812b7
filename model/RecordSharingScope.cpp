#include "RecordSharingScope.h"

#include <functional>

namespace {
thread_local RecordSharingScope* innermost = nullptr;
} // namespace

RecordSharingScope::RecordSharingScope()
    : m_outer(innermost) {
    innermost = this;
}

RecordSharingScope::~RecordSharingScope() {
    innermost = m_outer;
}

RecordSharingScope* RecordSharingScope::current() {
    return innermost;
}

std::size_t RecordSharingScope::hashOf(const KeywordList& keywords) {
    std::size_t hash = keywords.size();
    for (const KeywordPtr& keyword : keywords) {
        hash = hash * 31 + std::hash<const Keyword*>()(keyword.get());
    }
    return hash;
}

KeywordSet RecordSharingScope::share(KeywordList keywords) {
    if (keywords.empty()) {
        return {};
    }
    const std::size_t hash = hashOf(keywords);
    const auto [first, last] = m_keywordSets.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (it->second.list() == keywords) {
            return it->second;
        }
    }
    return m_keywordSets.emplace(hash, KeywordSet(std::move(keywords)))->second;
}

RecordTexts RecordSharingScope::share(const QString& comment) {
    // An empty comment and a missing one are told apart; a missing one takes no storage.
    if (comment.isNull()) {
        return {};
    }
    const auto found = m_texts.constFind(comment);
    if (found != m_texts.constEnd()) {
        return found.value();
    }
    return m_texts.insert(comment, RecordTexts(comment, QString())).value();
}
