#pragma once

#include "HeldEditorDelegate.h"
#include "NoteBubble.h"

#include <QPointer>

class QAbstractItemView;

// Edits a record's day in a date field (typed whole, stepped by keys or picked
// on its calendar). Text that is no day is never committed: the field says why
// under itself and stays open with what was typed. A day taken far from today
// is told under its cell once the editor has closed. The field is never
// narrower than it needs to show the whole date.
class DateDelegate : public HeldEditorDelegate {
    Q_OBJECT

public:
    explicit DateDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Width the date field needs in this view, calendar button included.
    int editorWidth(QWidget* view) const;
    // The note of a far day taken, under the edited cell; none until one is.
    NoteBubble* farDayNote() const { return m_farDayNote; }

protected:
    bool accepts(const QLineEdit* editor) const override;
    // The field's own note, under it.
    std::function<void()> refusalOf(QLineEdit* editor) const override;

private:
    void tellFarDay(QAbstractItemView* view, int column, const QString& note) const;

    mutable QPointer<NoteBubble> m_farDayNote;
};
