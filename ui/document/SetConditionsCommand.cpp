#include "SetConditionsCommand.h"

SetConditionsCommand::SetConditionsCommand(LibraryDocument& document, SmartBookPtr book, ConditionPtr conditions,
                                           const QString& text)
    : DocumentCommand(document, text)
    , m_book(std::move(book))
    , m_new(std::move(conditions))
    , m_old(m_book->conditions()) {}

void SetConditionsCommand::set(const ConditionPtr& conditions) {
    framed({LibraryDocument::Change::Books}, [&] {
        m_book->setConditions(conditions);
        emit document().conditionsChanged(m_book);
    });
}

void SetConditionsCommand::redo() {
    set(m_new);
}

void SetConditionsCommand::undo() {
    set(m_old);
}
