#pragma once

#include "LibraryDocument.h"

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

    // Runs `change` between the document's aboutToChange() and changed().
    template <typename Change> void framed(LibraryDocument::Change what, Change&& change) {
        emit m_document.aboutToTouch();
        emit m_document.aboutToChange(what);
        change();
        emit m_document.changed();
    }

private:
    LibraryDocument& m_document;
};
