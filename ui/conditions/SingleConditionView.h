#pragma once

#include "ConditionView.h"
#include "DataRoot.h"

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

    // A new empty row of that kind, with its first "what" item.
    static SingleConditionView* create(int kind, const DataRootPtr& library);

    virtual int kind() const = 0;
    // The test codes of the "what" pop-up, in its order.
    virtual const std::vector<int>& whatIds() const = 0;
    int indexOfWhat(int id) const;
    QString whatNameOfID(int id) const;

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
    // The default tab order: the two pop-ups.
    QWidget* topKeyView() const override;
    QWidget* bottomKeyView() const override;

protected:
    explicit SingleConditionView(int kind);
    // Fills the "what" pop-up; called by each kind's constructor.
    void finishPopUps();
    // Shows the fields the comparison `now` needs, after those of `previous`.
    virtual void arrangeControls(int previous, int now);
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
    DataRootPtr library() const;

    QComboBox* m_parameterSelector;
    QComboBox* m_whatSelector;
    int m_prevWhatID = 0;
    bool m_codeNotOffered = false;
};
