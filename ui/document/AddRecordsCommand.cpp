#include "AddRecordsCommand.h"

AddRecordsCommand::AddRecordsCommand(LibraryDocument& document, BookPtr book, IOList records, const QString& text)
    : DocumentCommand(document, text)
    , m_book(std::move(book))
    , m_records(std::move(records)) {}

void AddRecordsCommand::redo() {
    framed({LibraryDocument::Change::Records}, [this] {
        if (!m_placement.isEmpty()) {
            m_placement.putBack();
        } else if (m_records.size() == 1) {
            m_book->addObject(m_records.front());
        } else {
            m_book->addObjectsFromArray(m_records);
        }
        emit document().recordsAdded(m_book, m_records);
    });
}

void AddRecordsCommand::undo() {
    framed({LibraryDocument::Change::Records}, [this] {
        QSet<const IO*> records;
        records.reserve(qsizetype(m_records.size()));
        for (const IOPtr& record : m_records) {
            records.insert(record.get());
        }
        m_placement.take({m_book}, records);
        emit document().recordsRemoved(m_book, m_records);
    });
}
