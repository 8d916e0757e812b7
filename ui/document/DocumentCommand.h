#pragma once

#include "LibraryDocument.h"
#include "RecordSharingScope.h"

#include <QUndoCommand>

// A change of the library that can be undone. Every doing, undoing and
// redoing is framed by the document's aboutToChange() and changed(), so the
// windows update once per change.
class DocumentCommand : public QUndoCommand {
public:
    DocumentCommand(LibraryDocument& document, const QString& text);

protected:
    LibraryDocument& document() const { return m_document; }
    DataRoot& root() const { return *m_document.root(); }

    // Runs `change` between the document's aboutToChange() and changed(),
    // once whatever reads the library elsewhere has finished.
    template <typename Change> void framed(LibraryDocument::Change what, Change&& change) {
        m_document.touch(text());
        emit m_document.aboutToChange(what);
        {
            // Records changed alike share what they end up with.
            RecordSharingScope sharing;
            change();
        }
        m_document.noteChange();
        emit m_document.changed();
    }

private:
    LibraryDocument& m_document;
};
