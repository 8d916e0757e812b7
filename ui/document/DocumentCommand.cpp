#include "DocumentCommand.h"

DocumentCommand::DocumentCommand(LibraryDocument& document, const QString& text)
    : QUndoCommand(text)
    , m_document(document) {}
