#include "DeleteKeywordsCommand.h"

#include <unordered_set>

DeleteKeywordsCommand::DeleteKeywordsCommand(LibraryDocument& document, KeywordList keywords, const QString& text)
    : DocumentCommand(document, text)
    , m_keywords(std::move(keywords)) {}

IOList DeleteKeywordsCommand::touchedRecords() const {
    IOList records;
    std::unordered_set<const IO*> seen;
    for (const Removed& removed : m_removed) {
        for (const Carrier& carrier : removed.carriers) {
            if (seen.insert(carrier.record.get()).second) {
                records.push_back(carrier.record);
            }
        }
    }
    return records;
}

void DeleteKeywordsCommand::redo() {
    framed({LibraryDocument::Change::Keywords, RecordRevision::Keywords}, [this] {
        m_removed.clear();
        const IOList& records = root().mainLibrary()->records();
        for (const KeywordPtr& keyword : m_keywords) {
            Removed removed{keyword, root().removeKeyword(keyword.get()), {}};
            const std::uint64_t bit = IO::keywordBit(keyword.get());
            for (const IOPtr& record : records) {
                // The mask rules out most records without reading their lists.
                if (!(record->keywordMask() & bit)) {
                    continue;
                }
                const std::size_t index = record->indexOfKeyword(keyword.get());
                if (index != IO::notFound) {
                    record->deleteKeyword(keyword.get());
                    removed.carriers.push_back({record, index});
                }
            }
            m_removed.push_back(std::move(removed));
        }
        emit document().keywordsRemoved(m_keywords);
        emit document().recordsChanged(touchedRecords(), RecordRevision::Keywords);
    });
}

void DeleteKeywordsCommand::undo() {
    framed({LibraryDocument::Change::Keywords, RecordRevision::Keywords}, [this] {
        for (auto removed = m_removed.rbegin(); removed != m_removed.rend(); ++removed) {
            if (removed->index != DataRoot::notFound) {
                root().insertKeyword(removed->index, removed->keyword);
            }
            for (const Carrier& carrier : removed->carriers) {
                carrier.record->insertKeyword(carrier.index, removed->keyword);
            }
            emit document().keywordAdded(removed->keyword);
        }
        emit document().recordsChanged(touchedRecords(), RecordRevision::Keywords);
    });
}
