#include "SearchField.h"

#include <QKeyEvent>

SearchField::SearchField(QWidget* parent)
    : QLineEdit(parent) {}

void SearchField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        // As typed: whoever filters by the text hears of it.
        emit textEdited(text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
