#include "ConditionLayout.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

QHBoxLayout* ConditionLayout::row(QWidget* view) {
    auto* layout = new QHBoxLayout(view);
    layout->setSpacing(rowGap);
    layout->setContentsMargins(0, rowMargin, 0, rowMargin);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

QVBoxLayout* ConditionLayout::stack(QWidget* box) {
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(stackGap);
    layout->setContentsMargins(stackInset, stackGap, stackInset, stackGap);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

void ConditionLayout::addToRow(QBoxLayout* row, QWidget* widget, int index) {
    row->insertWidget(index, widget, 0, Qt::AlignVCenter);
}

void ConditionLayout::settle(QWidget* changed) {
    for (QWidget* widget = changed; widget; widget = widget->parentWidget()) {
        if (QLayout* layout = widget->layout()) {
            layout->activate();
        }
    }
}

void ConditionLayout::settleAll(QWidget* tree) {
    // Every widget after the widgets it holds.
    const QList<QWidget*> widgets = tree->findChildren<QWidget*>();
    for (auto widget = widgets.rbegin(); widget != widgets.rend(); ++widget) {
        if (QLayout* layout = (*widget)->layout()) {
            layout->activate();
        }
    }
    settle(tree);
}
