#include "BookPresenceCommand.h"

BookPresenceCommand::BookPresenceCommand(LibraryDocument& document, BookPtr book, Action action, const QString& text)
    : DocumentCommand(document, text)
    , m_book(std::move(book))
    , m_action(action) {
    if (m_book->isSmart()) {
        m_conditions = std::static_pointer_cast<SmartBook>(m_book)->conditions();
    }
}

void BookPresenceCommand::add() {
    framed({LibraryDocument::Change::Books}, [this] {
        if (m_book->isSmart()) {
            const auto smart = std::static_pointer_cast<SmartBook>(m_book);
            smart->setConditions(m_conditions);
            if (m_index == DataRoot::notFound) {
                root().addSmartBook(smart);
            } else {
                root().insertSmartBook(m_index, smart);
            }
        } else if (m_index == DataRoot::notFound) {
            root().addDumbBook(m_book);
        } else {
            root().insertDumbBook(m_index, m_book);
        }
        emit document().bookAdded(m_book);
    });
}

void BookPresenceCommand::remove() {
    framed({LibraryDocument::Change::Books}, [this] {
        if (m_book->isSmart()) {
            m_conditions = std::static_pointer_cast<SmartBook>(m_book)->conditions();
        }
        m_index = root().deleteBook(m_book.get());
        emit document().bookRemoved(m_book);
    });
}

void BookPresenceCommand::redo() {
    m_action == Action::Add ? add() : remove();
}

void BookPresenceCommand::undo() {
    m_action == Action::Add ? remove() : add();
}
