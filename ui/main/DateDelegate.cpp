#include "DateDelegate.h"

#include "Clock.h"
#include "DateField.h"
#include "NoteBubble.h"

#include <QAbstractItemView>
#include <QTimer>

#include <memory>

DateDelegate::DateDelegate(QObject* parent)
    : HeldEditorDelegate(parent) {}

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    if (m_farDayNote) {
        m_farDayNote->hide();
    }
    auto* editor = new DateField(parent);
    editor->setObjectName(QStringLiteral("dateEditor"));
    editor->setFrame(false);
    return editor;
}

int DateDelegate::editorWidth(QWidget* view) const {
    const auto probe = std::make_unique<DateField>();
    probe->setFrame(false);
    probe->setFont(view->font());
    probe->setStyle(view->style());
    return probe->sizeHint().width();
}

void DateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* field = static_cast<DateField*>(editor);
    // Data is set again when the model changes under an open editor: what was typed stays.
    if (field->isModified()) {
        return;
    }
    const QDate day = index.data(Qt::EditRole).toDate();
    field->setDate(day.isValid() ? day : Clock::today());
}

void DateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* field = static_cast<DateField*>(editor);
    // A view that closes the editor on its own may bring text that is no day: nothing is stored.
    if (!field->commit() || field->date() == index.data(Qt::EditRole).toDate()) {
        return;
    }
    const QString note = field->note();
    model->setData(index, field->date(), Qt::EditRole);
    if (!note.isEmpty()) {
        tellFarDay(qobject_cast<QAbstractItemView*>(editor->parentWidget()->parentWidget()), index.column(), note);
    }
}

void DateDelegate::tellFarDay(QAbstractItemView* view, int column, const QString& note) const {
    if (!view) {
        return;
    }
    if (!m_farDayNote) {
        m_farDayNote = new NoteBubble(view->viewport());
        m_farDayNote->setObjectName(QStringLiteral("farDayNote"));
        // Until the user moves on in the table.
        m_farDayNote->hideOnInput(view);
        m_farDayNote->hideOnInput(view->viewport());
    }
    // Once the editor has closed and the table has followed the record to its new row.
    QTimer::singleShot(0, m_farDayNote, [view, column, note, bubble = m_farDayNote] {
        const QModelIndex current = view->currentIndex();
        const QRect cell = current.isValid() ? view->visualRect(current.siblingAtColumn(column)) : QRect();
        bubble->showUnder(cell, note);
    });
}

bool DateDelegate::accepts(const QLineEdit* editor) const {
    return static_cast<const DateField*>(editor)->typedDate().isValid();
}

std::function<void()> DateDelegate::refusalOf(QLineEdit* editor) const {
    return [field = QPointer<DateField>(static_cast<DateField*>(editor))] {
        if (field) {
            field->commit();
        }
    };
}

void DateDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const {
    // A column narrowed by hand must not cut off the year: the field reaches into the next one.
    QRect rect = option.rect;
    rect.setWidth(qMax(rect.width(), editor->sizeHint().width()));
    editor->setGeometry(rect);
}
