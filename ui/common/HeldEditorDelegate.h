#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

class QLineEdit;

// A delegate whose line editor is never committed with a text it refuses:
// Return, Enter and Tab say why and keep the editor open with what was typed;
// leaving it by a click says so too, once that click has been handled. A
// window, a menu or the alert taking the keyboard leaves the editor waiting.
class HeldEditorDelegate : public QStyledItemDelegate {
protected:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the editor's text may be committed.
    virtual bool accepts(const QLineEdit* editor) const = 0;
    // What tells the user why the text is refused, read while the editor exists:
    // it may be told after the editor has gone, so nothing typed vanishes unnoticed.
    virtual std::function<void()> refusalOf(QLineEdit* editor) const = 0;

    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void refuse(const QPointer<QLineEdit>& editor, const std::function<void()>& tell);

    bool m_refusing = false;
};
