#pragma once

#include <QLineEdit>

// The search field: a line edit whose Escape key empties it as the user's
// own edit, so the table shows every record again.
class SearchField : public QLineEdit {
    Q_OBJECT

public:
    explicit SearchField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
