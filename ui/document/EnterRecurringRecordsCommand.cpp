#include "EnterRecurringRecordsCommand.h"

EnterRecurringRecordsCommand::EnterRecurringRecordsCommand(LibraryDocument& document, IOList records,
                                                           std::vector<Moved> moved, const QString& text)
    : DocumentCommand(document, text)
    , m_records(std::move(records))
    , m_moved(std::move(moved)) {}

void EnterRecurringRecordsCommand::swapDays() {
    for (Moved& moved : m_moved) {
        const QDate leaving = moved.record->lastEntered();
        moved.record->setLastEntered(moved.lastEntered);
        moved.lastEntered = leaving;
    }
    emit document().recurringRecordsChanged();
}

void EnterRecurringRecordsCommand::redo() {
    framed({LibraryDocument::Change::Records}, [this] {
        const BookPtr& library = root().mainLibrary();
        if (!m_placement.isEmpty()) {
            m_placement.putBack();
        } else {
            library->addObjectsFromArray(m_records);
        }
        swapDays();
        emit document().recordsAdded(library, m_records);
    });
}

void EnterRecurringRecordsCommand::undo() {
    framed({LibraryDocument::Change::Records}, [this] {
        QSet<const IO*> records;
        records.reserve(qsizetype(m_records.size()));
        for (const IOPtr& record : m_records) {
            records.insert(record.get());
        }
        const BookPtr& library = root().mainLibrary();
        m_placement.take({library}, records);
        swapDays();
        emit document().recordsRemoved(library, m_records);
    });
}
