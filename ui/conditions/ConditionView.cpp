#include "ConditionView.h"

#include "ConditionControlBox.h"
#include "ConditionLayout.h"

#include <QHBoxLayout>

ConditionView::ConditionView(QWidget* parent)
    : QWidget(parent)
    , m_row(ConditionLayout::row(this)) {}

void ConditionView::addToRow(QWidget* widget) {
    ConditionLayout::addToRow(m_row, widget, m_controlBox ? m_row->indexOf(m_controlBox) : -1);
}

void ConditionView::finishRow() {
    if (m_controlBox || m_root) {
        return;
    }
    m_controlBox = new ConditionControlBox(this);
    ConditionLayout::addToRow(m_row, m_controlBox);
    connect(m_controlBox, &ConditionControlBox::andClicked, this, [this] { emit addAndRequested(this); });
    connect(m_controlBox, &ConditionControlBox::orClicked, this, [this] { emit addOrRequested(this); });
    connect(m_controlBox, &ConditionControlBox::deleteClicked, this, [this] { emit removeRequested(this); });
}

void ConditionView::makeRoot() {
    m_root = true;
    delete m_controlBox;
    m_controlBox = nullptr;
}

void ConditionView::showButtons(bool andButton, bool orButton, bool deleteButton) {
    if (m_controlBox) {
        m_controlBox->showButtons(andButton, orButton, deleteButton);
    }
}
