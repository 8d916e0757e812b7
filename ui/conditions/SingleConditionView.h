#pragma once

#include "ConditionView.h"

#include <QCoreApplication>

#include <vector>

class QComboBox;

// One row of the editor: the kind of condition, the comparison ("what"),
// the fields of the compared value, the control box. The "what" items carry
// the condition's test codes themselves.
class SingleConditionView : public ConditionView {
    Q_OBJECT

public:
    // The kinds, in the order of the parameter pop-up (item index + 1).
    enum Kind { Amount = 1, Date, Keyword, Comment, Book };
    static constexpr int kindCount = 5;

    virtual int kind() const = 0;
    // The test codes of the "what" pop-up, in its order.
    virtual const std::vector<int>& whatIds() const = 0;
    int indexOfWhat(int id) const;
    virtual QString whatNameOfID(int id) const;

    QComboBox* parameterSelector() const { return m_parameterSelector; }
    QComboBox* whatSelector() const { return m_whatSelector; }
    int currentWhatID() const;
    // Selects the item of that code; a code the kind does not offer selects
    // the first item, and the row remembers it (storedCodeNotOffered()).
    void setWhatToID(int id);
    bool storedCodeNotOffered() const { return m_codeNotOffered; }

    // Why the row cannot become a condition as it stands (a keyword or book
    // that is missing, an amount that is no number); empty when it can.
    virtual QString problem() const { return QString(); }
    // Where typing starts in the row: the sheet's first focus and a refused
    // row's focus. The parameter pop-up for a row without fields.
    virtual QWidget* firstField() const;

protected:
    explicit SingleConditionView(int kind);
    // The last step of each kind's constructor, once its fields are in the
    // row: fills the "what" pop-up, ends the row and shows the fields of the
    // first comparison.
    void finish();
    // Shows the fields the comparison `now` needs and hides the others, which
    // keep their contents.
    virtual void arrangeControls(int now);
    // A pop-up or spin box of the row takes the keyboard only when clicked or
    // tabbed into, and the wheel changes it only then: over it otherwise, the
    // wheel scrolls the sheet.
    void guardWheel(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Sets the code on a new leaf of the kind.
    template <typename Leaf> std::shared_ptr<Leaf> newLeaf() const {
        auto leaf = Leaf::create();
        leaf->setConditionTypeCode(currentWhatID());
        return leaf;
    }
    // A text of the keyed string table.
    static QString text(const QString& key);

private:
    void parameterChanged(int index);
    void whatChanged();

    QComboBox* m_parameterSelector;
    QComboBox* m_whatSelector;
    bool m_codeNotOffered = false;
};
