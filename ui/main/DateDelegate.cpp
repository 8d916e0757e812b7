#include "DateDelegate.h"

#include <QDateEdit>

#include <memory>

DateDelegate::DateDelegate(const QString& dateFormat, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_dateFormat(dateFormat) {}

QWidget* DateDelegate::makeEditor(QWidget* parent) const {
    auto* editor = new QDateEdit(parent);
    editor->setObjectName(QStringLiteral("dateEditor"));
    editor->setDisplayFormat(m_dateFormat);
    editor->setCalendarPopup(true);
    editor->setFrame(false);
    return editor;
}

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    return makeEditor(parent);
}

int DateDelegate::editorWidth(QWidget* view) const {
    const std::unique_ptr<QWidget> probe(makeEditor(nullptr));
    probe->setFont(view->font());
    probe->setStyle(view->style());
    return probe->sizeHint().width();
}

void DateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QDate day = index.data(Qt::EditRole).toDate();
    static_cast<QDateEdit*>(editor)->setDate(day.isValid() ? day : QDate::currentDate());
}

void DateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const QDate day = static_cast<QDateEdit*>(editor)->date();
    if (day != index.data(Qt::EditRole).toDate()) {
        model->setData(index, day, Qt::EditRole);
    }
}

void DateDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const {
    // A column narrowed by hand must not cut off the year: the field reaches into the next one.
    QRect rect = option.rect;
    rect.setWidth(qMax(rect.width(), editor->sizeHint().width()));
    editor->setGeometry(rect);
}
