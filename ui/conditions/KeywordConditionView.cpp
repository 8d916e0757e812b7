#include "KeywordConditionView.h"

#include <algorithm>

KeywordConditionView::KeywordConditionView(DataRootPtr library)
    : ChoiceConditionView(Keyword, QStringLiteral("keywordSelector"), tr("Keyword"))
    , m_library(std::move(library)) {
    QStringList names;
    if (m_library) {
        for (const KeywordPtr& keyword : m_library->keywords()) {
            names.append(keyword->name());
        }
    }
    fill(names, tr("(no keywords)"));
    finish();
}

const std::vector<int>& KeywordConditionView::whatIds() const {
    static const std::vector<int> ids{7, 8, 1, 2};
    return ids;
}

void KeywordConditionView::setKeyword(const KeywordPtr& keyword) {
    const KeywordList none;
    const KeywordList& keywords = m_library ? m_library->keywords() : none;
    const auto at = std::find(keywords.begin(), keywords.end(), keyword);
    if (at != keywords.end()) {
        choose(int(at - keywords.begin()), QString());
    } else if (keyword) {
        choose(-1, tr("“%1” (deleted)").arg(keyword->name()));
    } else {
        choose(-1, tr("(no keyword)"));
    }
}

void KeywordConditionView::showCondition(const KeywordCondition& condition) {
    setWhatToID(condition.conditionTypeCode());
    const auto* keyword = std::get_if<KeywordPtr>(&condition.object());
    setKeyword(keyword ? *keyword : nullptr);
}

ConditionPtr KeywordConditionView::condition() const {
    auto leaf = newLeaf<KeywordCondition>();
    const int index = chosenIndex();
    if (index >= 0 && m_library && std::size_t(index) < m_library->keywords().size()) {
        leaf->setObject(m_library->keywords()[std::size_t(index)]);
    }
    return leaf;
}

QString KeywordConditionView::missingProblem() const {
    return m_library && !m_library->keywords().empty() ? tr("Its keyword is no longer in the library; choose another.")
                                                       : tr("The library has no keywords to choose from.");
}
