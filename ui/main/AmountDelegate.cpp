#include "AmountDelegate.h"

#include "Alert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace {
const char* const originalTextProperty = "originalText";

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}
} // namespace

AmountDelegate::AmountDelegate(QObject* parent)
    : HeldEditorDelegate(parent) {}

QWidget* AmountDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("amountEditor"));
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setFrame(false);
    return editor;
}

void AmountDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    editor->setProperty(originalTextProperty, text);
    static_cast<QLineEdit*>(editor)->setText(text);
}

void AmountDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    // An untouched cell stores nothing, so an absent amount stays absent.
    if (text != editor->property(originalTextProperty).toString()) {
        model->setData(index, text, Qt::EditRole);
    }
}

bool AmountDelegate::accepts(const QLineEdit* editor) const {
    return editor->text() == editor->property(originalTextProperty).toString() ||
           m_format.parseRecordAmount(editor->text(), nullptr).has_value();
}

std::function<void()> AmountDelegate::refusalOf(QLineEdit* editor) const {
    return [this, window = QPointer<QWidget>(editor->window()), text = editor->text()] {
        QString why;
        m_format.parseRecordAmount(text, &why);
        Alert::inform(window, QStringLiteral("amountRefusedAlert"), Alert::Icon::Warning,
                      tr("The amount was not changed."), why);
    };
}

QStyleOptionViewItem AmountDelegate::cellOption(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // Right-aligned figures keep a gap to the next column.
    cell.rect.adjust(0, 0, -cell.fontMetrics.averageCharWidth(), 0);
    return cell;
}

bool AmountDelegate::fits(const QString& text, const QStyleOptionViewItem& cell) const {
    const int margin = styleOf(cell)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
    return cell.fontMetrics.horizontalAdvance(text) <= cell.rect.width() - 2 * margin;
}

QString AmountDelegate::fittedText(const QStyleOptionViewItem& cell, const QModelIndex& index) const {
    if (fits(cell.text, cell)) {
        return cell.text;
    }
    const std::optional<Amount> amount = m_format.parseAmount(index.data(Qt::EditRole).toString(), nullptr);
    return amount ? m_format.formatAmountShort(*amount) : cell.text;
}

QString AmountDelegate::shownText(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return fittedText(cellOption(option, index), index);
}

void AmountDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyle* style = styleOf(option);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // The cell's background spans the whole cell; only the text moves in.
    const QString text = cell.text;
    cell.text.clear();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, option.widget);
    cell.text = text;
    cell.rect.adjust(0, 0, -cell.fontMetrics.averageCharWidth(), 0);
    cell.text = fittedText(cell, index);
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);
}

bool AmountDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (event && view && event->type() == QEvent::ToolTip) {
        const QStyleOptionViewItem cell = cellOption(option, index);
        if (!fits(cell.text, cell)) {
            QToolTip::showText(event->globalPos(), cell.text, view->viewport(), option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
