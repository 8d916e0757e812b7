#pragma once

#include "HeldEditorDelegate.h"

#include <functional>

class QLineEdit;

// Edits a keyword's name. A name that may not be given is never committed:
// the user hears why (through `complain`) and the editor stays open with
// what was typed, to correct or to cancel with Escape.
class KeywordNameDelegate : public HeldEditorDelegate {
    Q_OBJECT

public:
    // 0 for a name that may be given to the keyword of the row, else the alert's number.
    using Validator = std::function<int(int row, const QString& name)>;
    using Complainer = std::function<void(int errorNumber)>;

    KeywordNameDelegate(Validator validator, Complainer complain, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool accepts(const QLineEdit* editor) const override;
    std::function<void()> refusalOf(QLineEdit* editor) const override;

private:
    int errorOf(const QLineEdit* editor) const;

    Validator m_validator;
    Complainer m_complain;
};
