#pragma once

#include "DocumentCommand.h"

// A keyword ticked or cleared on records at once. Only the records whose
// keywords change are kept; undoing puts a cleared keyword back at its place
// in each record's list.
class SetKeywordCommand : public DocumentCommand {
public:
    SetKeywordCommand(LibraryDocument& document, KeywordPtr keyword, const IOList& records, bool carried,
                      const QString& text);

    // Whether any of the records would change.
    bool changesAnything() const { return !m_changed.empty(); }

    void redo() override;
    void undo() override;

private:
    void apply(bool carried);
    IOList changedRecords() const;

    struct Change {
        IOPtr record;
        std::size_t index; // where a cleared keyword stood
    };
    KeywordPtr m_keyword;
    bool m_carried;
    std::vector<Change> m_changed;
};
