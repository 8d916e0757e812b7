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
            root().addSmartBook(smart);
        } else {
            root().addDumbBook(m_book);
        }
        emit document().bookAdded(m_book);
    });
}

void BookPresenceCommand::remove() {
    framed({LibraryDocument::Change::Books}, [this] {
        if (m_book->isSmart()) {
            m_conditions = std::static_pointer_cast<SmartBook>(m_book)->conditions();
        }
        root().deleteBook(m_book.get());
        emit document().bookRemoved(m_book);
    });
}

void BookPresenceCommand::redo() {
    m_action == Action::Add ? add() : remove();
}

void BookPresenceCommand::undo() {
    m_action == Action::Add ? remove() : add();
}
