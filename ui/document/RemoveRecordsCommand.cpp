#include "RemoveRecordsCommand.h"

RemoveRecordsCommand::RemoveRecordsCommand(LibraryDocument& document, std::vector<BookPtr> books, const IOList& records,
                                           const QString& text)
    : DocumentCommand(document, text)
    , m_books(std::move(books)) {
    // Only addresses: while the command is done, the placement holds the records.
    m_records.reserve(qsizetype(records.size()));
    for (const IOPtr& record : records) {
        m_records.insert(record.get());
    }
}

void RemoveRecordsCommand::redo() {
    framed({LibraryDocument::Change::Records}, [this] {
        m_placement.take(m_books, m_records);
        for (const RecordPlacement::Taken& taken : m_placement.books()) {
            emit document().recordsRemoved(taken.book, taken.records());
        }
    });
}

void RemoveRecordsCommand::undo() {
    framed({LibraryDocument::Change::Records}, [this] {
        m_placement.putBack();
        for (const RecordPlacement::Taken& taken : m_placement.books()) {
            emit document().recordsAdded(taken.book, taken.records());
        }
    });
}
