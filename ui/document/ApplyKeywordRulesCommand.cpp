#include "ApplyKeywordRulesCommand.h"

ApplyKeywordRulesCommand::ApplyKeywordRulesCommand(LibraryDocument& document, std::vector<Gain> gains,
                                                   KeywordList newKeywords, const QString& text)
    : DocumentCommand(document, text)
    , m_gains(std::move(gains))
    , m_newKeywords(std::move(newKeywords))
    , m_keywordIndex(root().keywords().size()) {}

IOList ApplyKeywordRulesCommand::records() const {
    IOList records;
    records.reserve(m_gains.size());
    for (const Gain& gain : m_gains) {
        records.push_back(gain.record);
    }
    return records;
}

void ApplyKeywordRulesCommand::redo() {
    framed({LibraryDocument::Change::Fields, RecordRevision::Keywords}, [this] {
        for (std::size_t i = 0; i < m_newKeywords.size(); ++i) {
            root().insertKeyword(m_keywordIndex + i, m_newKeywords[i]);
            emit document().keywordAdded(m_newKeywords[i]);
        }
        for (const Gain& gain : m_gains) {
            gain.record->addKeywords(gain.keywords);
        }
        emit document().recordsChanged(records(), RecordRevision::Keywords);
    });
}

void ApplyKeywordRulesCommand::undo() {
    framed({LibraryDocument::Change::Fields, RecordRevision::Keywords}, [this] {
        for (const Gain& gain : m_gains) {
            gain.record->deleteKeywords(gain.keywords);
        }
        emit document().recordsChanged(records(), RecordRevision::Keywords);
        for (const KeywordPtr& keyword : m_newKeywords) {
            root().removeKeyword(keyword.get());
        }
        if (!m_newKeywords.empty()) {
            emit document().keywordsRemoved(m_newKeywords);
        }
    });
}
