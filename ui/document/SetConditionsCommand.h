#pragma once

#include "DocumentCommand.h"

// A smart book gets a new condition tree; undoing gives it the previous tree object.
class SetConditionsCommand : public DocumentCommand {
public:
    SetConditionsCommand(LibraryDocument& document, SmartBookPtr book, ConditionPtr conditions, const QString& text);

    void redo() override;
    void undo() override;

private:
    void set(const ConditionPtr& conditions);

    SmartBookPtr m_book;
    ConditionPtr m_new;
    ConditionPtr m_old;
};
