#include "ImportRecordsCommand.h"

ImportRecordsCommand::ImportRecordsCommand(LibraryDocument& document, IOList records, KeywordList newKeywords,
                                           const QString& text)
    : DocumentCommand(document, text)
    , m_records(std::move(records))
    , m_newKeywords(std::move(newKeywords))
    , m_keywordIndex(root().keywords().size()) {}

void ImportRecordsCommand::redo() {
    framed({LibraryDocument::Change::Records}, [this] {
        for (std::size_t i = 0; i < m_newKeywords.size(); ++i) {
            root().insertKeyword(m_keywordIndex + i, m_newKeywords[i]);
            emit document().keywordAdded(m_newKeywords[i]);
        }
        const BookPtr& library = root().mainLibrary();
        if (!m_placement.isEmpty()) {
            m_placement.putBack();
        } else {
            library->addObjectsFromArray(m_records);
        }
        emit document().recordsAdded(library, m_records);
    });
}

void ImportRecordsCommand::undo() {
    framed({LibraryDocument::Change::Records}, [this] {
        QSet<const IO*> records;
        records.reserve(qsizetype(m_records.size()));
        for (const IOPtr& record : m_records) {
            records.insert(record.get());
        }
        const BookPtr& library = root().mainLibrary();
        m_placement.take({library}, records);
        emit document().recordsRemoved(library, m_records);
        for (const KeywordPtr& keyword : m_newKeywords) {
            root().removeKeyword(keyword.get());
        }
        if (!m_newKeywords.empty()) {
            emit document().keywordsRemoved(m_newKeywords);
        }
    });
}
