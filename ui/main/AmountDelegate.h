#pragma once

#include "HeldEditorDelegate.h"
#include "LedgerFormat.h"

class QLineEdit;

// Edits an amount as text in the user's notation. A text that is no amount,
// or 0, is never committed: the user is told why and the editor stays open with
// what was typed. Right-aligned figures keep a gap to the next column; an
// amount too wide for its cell shows its size, and the whole of it in a tooltip.
class AmountDelegate : public HeldEditorDelegate {
    Q_OBJECT

public:
    explicit AmountDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // What a cell of this size shows: the amount, or its size when the amount does not fit.
    QString shownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    bool accepts(const QLineEdit* editor) const override;
    // Why the text is no amount, in an alert over the editor's window.
    std::function<void()> refusalOf(QLineEdit* editor) const override;

private:
    QStyleOptionViewItem cellOption(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    bool fits(const QString& text, const QStyleOptionViewItem& cell) const;
    QString fittedText(const QStyleOptionViewItem& cell, const QModelIndex& index) const;

    LedgerFormat m_format;
};
