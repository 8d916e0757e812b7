#pragma once

#include "DocumentCommand.h"
#include "RecordPlacement.h"

// Records brought in from a file go into the main library together with
// the keywords they carry that the library lacked, which join the end of
// the keyword list. Undoing takes out exactly these records and keywords;
// redoing puts the same objects back where they were.
class ImportRecordsCommand : public DocumentCommand {
public:
    // `records` are not in the library yet, nor are `newKeywords`.
    ImportRecordsCommand(LibraryDocument& document, IOList records, KeywordList newKeywords, const QString& text);

    void redo() override;
    void undo() override;

private:
    IOList m_records;
    KeywordList m_newKeywords;
    std::size_t m_keywordIndex = 0;
    RecordPlacement m_placement;
};
