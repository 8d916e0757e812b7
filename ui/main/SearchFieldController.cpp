#include "SearchFieldController.h"

#include <QLineEdit>

SearchFieldController::SearchFieldController(QLineEdit* searchField, QObject* parent)
    : QObject(parent)
    , m_searchField(searchField) {
    // Only the user's edits: clearField() sets the text without asking for a reload.
    connect(m_searchField, &QLineEdit::textEdited, this, &SearchFieldController::onSearchTextEdited);
}

void SearchFieldController::setPrevSearchKey(const QString& key) {
    m_prevSearchKey = key;
}

void SearchFieldController::clearField() {
    m_searchField->clear();
    setPrevSearchKey(QStringLiteral(""));
}

void SearchFieldController::search(const QString& text) {
    m_searchField->setText(text);
    onSearchTextEdited(text);
}

void SearchFieldController::onSearchTextEdited(const QString& text) {
    setPrevSearchKey(text);
    emit searchKeyChanged();
}
