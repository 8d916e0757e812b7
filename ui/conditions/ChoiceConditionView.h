#pragma once

#include "SingleConditionView.h"

#include <QComboBox>

// A row whose value is one object of the library (a keyword or a book),
// chosen from a pop-up filled once, in the library's order. A stored
// object the library no longer holds, or a library with nothing to choose,
// shows as a marked item that OK refuses.
class ChoiceConditionView : public SingleConditionView {
    Q_OBJECT

public:
    QComboBox* choiceSelector() const { return m_selector; }
    QString problem() const override;
    QWidget* firstField() const override { return m_selector; }

protected:
    ChoiceConditionView(int kind, const QString& objectName, const QString& accessibleName);
    // Fills the pop-up with the library's names; `none` is the item shown
    // when there are none.
    void fill(const QStringList& names, const QString& none);
    // Selects the library's item, or adds and selects a marked one for an
    // object the library does not hold (index < 0).
    void choose(int index, const QString& missingName);
    // The library's index of the chosen item; -1 for a marked one.
    int chosenIndex() const;
    // What the refusal says about a marked item.
    virtual QString missingProblem() const = 0;

private:
    QComboBox* m_selector;
};
