#pragma once

#include <QWidget>

class QToolButton;

// The buttons that end a row: " & " asks for a condition joined by AND, " / "
// for one joined by OR, " - " for the row's removal. They touch one another,
// in that order, on one baseline; the editor shows those the row's place in
// the tree calls for.
class ConditionControlBox : public QWidget {
    Q_OBJECT

public:
    explicit ConditionControlBox(QWidget* parent = nullptr);

    QToolButton* andButton() const { return m_andButton; }
    QToolButton* orButton() const { return m_orButton; }
    QToolButton* deleteButton() const { return m_deleteButton; }

    void showButtons(bool andButton, bool orButton, bool deleteButton);

signals:
    void andClicked();
    void orClicked();
    void deleteClicked();

private:
    QToolButton* addButton(const QString& title, const QString& description, const QString& name);

    QToolButton* m_andButton;
    QToolButton* m_orButton;
    QToolButton* m_deleteButton;
};
