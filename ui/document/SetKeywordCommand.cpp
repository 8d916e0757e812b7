#include "SetKeywordCommand.h"

SetKeywordCommand::SetKeywordCommand(LibraryDocument& document, KeywordPtr keyword, const IOList& records, bool carried,
                                     const QString& text)
    : DocumentCommand(document, text)
    , m_keyword(std::move(keyword))
    , m_carried(carried) {
    for (const IOPtr& record : records) {
        const std::size_t index = record->indexOfKeyword(m_keyword.get());
        if ((index == IO::notFound) == carried) {
            m_changed.push_back({record, index});
        }
    }
}

IOList SetKeywordCommand::changedRecords() const {
    IOList records;
    records.reserve(m_changed.size());
    for (const Change& change : m_changed) {
        records.push_back(change.record);
    }
    return records;
}

void SetKeywordCommand::apply(bool carried) {
    framed({LibraryDocument::Change::Fields, RecordRevision::Keywords}, [&] {
        for (const Change& change : m_changed) {
            if (carried) {
                change.record->insertKeyword(m_carried ? IO::notFound : change.index, m_keyword);
            } else {
                change.record->deleteKeyword(m_keyword.get());
            }
        }
        emit document().recordsChanged(changedRecords(), RecordRevision::Keywords);
    });
}

void SetKeywordCommand::redo() {
    apply(m_carried);
}

void SetKeywordCommand::undo() {
    apply(!m_carried);
}
