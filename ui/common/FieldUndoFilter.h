#pragma once

#include <QObject>

// Installed on the application. In a text field Undo and Redo take back and
// make again what was typed there; once the field has nothing of its own left,
// the keys go on to the window's Undo and Redo of the library, as they do
// anywhere else in that window.
class FieldUndoFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
