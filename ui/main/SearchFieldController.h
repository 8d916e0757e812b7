#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// The search field above the record table. Keeps the search key, the text
// the selected book is filtered by, and asks for a reload on every edit, so
// the table narrows while the user types.
class SearchFieldController : public QObject {
    Q_OBJECT

public:
    explicit SearchFieldController(QLineEdit* searchField, QObject* parent = nullptr);

    const QString& searchKey() const { return m_prevSearchKey; }
    void setPrevSearchKey(const QString& key);
    // Empties the field and the key, without a reload of its own.
    void clearField();
    // Searches for the text as if the user had typed it (a report asks for its records).
    void search(const QString& text);

signals:
    // The user changed the text: the owner filters the selected book again.
    void searchKeyChanged();

private:
    void onSearchTextEdited(const QString& text);

    QLineEdit* m_searchField;
    QString m_prevSearchKey = QStringLiteral("");
};
