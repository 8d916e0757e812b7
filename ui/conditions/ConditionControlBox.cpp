#include "ConditionControlBox.h"

#include "AndConditionView.h"
#include "GroupConditionView.h"
#include "OrConditionView.h"

#include <QToolButton>

#include <algorithm>

ConditionControlBox::ConditionControlBox(ConditionView* parent)
    : QWidget(parent)
    , m_parent(parent) {
    setObjectName(QStringLiteral("controlBox"));
    refreshButtons();
}

void ConditionControlBox::refreshButtons() {
    const GroupConditionView* holder = m_parent->superConditionView();
    const bool onlyChildOfRoot = holder && holder->isRoot() && holder->children().size() == 1;
    // The titles are symbols, the same in every language; "&&" shows one
    // ampersand, where a single one would only mark a shortcut.
    // The symbols say little to a screen reader or a newcomer: each button also says what it does.
    ensureButton(m_andButton, !qobject_cast<AndConditionView*>(m_parent),
                 {QStringLiteral(" && "), tr("Add a condition joined by AND"), QStringLiteral("andButton")},
                 &ConditionView::addAnd);
    ensureButton(m_orButton, !qobject_cast<OrConditionView*>(m_parent),
                 {QStringLiteral(" / "), tr("Add a condition joined by OR"), QStringLiteral("orButton")},
                 &ConditionView::addOr);
    ensureButton(m_deleteButton, !onlyChildOfRoot,
                 {QStringLiteral(" - "), tr("Remove this condition"), QStringLiteral("deleteButton")},
                 &ConditionView::deleteParent);
    sizeToFit();
}

QToolButton* ConditionControlBox::ensureButton(QToolButton*& button, bool wanted, const Look& look,
                                               void (ConditionView::*action)()) {
    if (wanted && !button) {
        button = new QToolButton(this);
        button->setObjectName(look.name);
        button->setText(look.title);
        button->setToolTip(look.description);
        button->setAccessibleName(look.description);
        button->resize(button->sizeHint());
        button->show();
        connect(button, &QToolButton::clicked, m_parent, action);
    } else if (!wanted && button) {
        // The button may be the one being clicked.
        button->hide();
        button->deleteLater();
        button = nullptr;
    }
    return button;
}

void ConditionControlBox::sizeToFit() {
    int x = 0;
    int height = 0;
    for (QToolButton* button : {m_andButton, m_orButton, m_deleteButton}) {
        if (button) {
            height = std::max(height, button->height());
        }
    }
    // The buttons stand on one baseline: their bottom edges meet the box's.
    for (QToolButton* button : {m_andButton, m_orButton, m_deleteButton}) {
        if (button) {
            button->move(x, height - button->height());
            x += button->width();
        }
    }
    resize(x, height);
    m_parent->sizeToFit();
}
