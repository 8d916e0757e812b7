#include "ConditionControlBox.h"

#include <QHBoxLayout>
#include <QToolButton>

ConditionControlBox::ConditionControlBox(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("controlBox"));
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The titles are symbols, the same in every language; "&&" shows one
    // ampersand, where a single one would only mark a shortcut. The symbols
    // say little to a screen reader or a newcomer: each button also says
    // what it does.
    m_andButton = addButton(QStringLiteral(" && "), tr("Add a condition joined by AND"), QStringLiteral("andButton"));
    m_orButton = addButton(QStringLiteral(" / "), tr("Add a condition joined by OR"), QStringLiteral("orButton"));
    m_deleteButton = addButton(QStringLiteral(" - "), tr("Remove this condition"), QStringLiteral("deleteButton"));
    connect(m_andButton, &QToolButton::clicked, this, &ConditionControlBox::andClicked);
    connect(m_orButton, &QToolButton::clicked, this, &ConditionControlBox::orClicked);
    connect(m_deleteButton, &QToolButton::clicked, this, &ConditionControlBox::deleteClicked);
}

QToolButton* ConditionControlBox::addButton(const QString& title, const QString& description, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(title);
    button->setToolTip(description);
    button->setAccessibleName(description);
    // Bottoms on the box's bottom edge: the titles share a baseline.
    layout()->addWidget(button);
    layout()->setAlignment(button, Qt::AlignBottom);
    return button;
}

void ConditionControlBox::showButtons(bool andButton, bool orButton, bool deleteButton) {
    // Hidden buttons take no room: the others close up.
    m_andButton->setVisible(andButton);
    m_orButton->setVisible(orButton);
    m_deleteButton->setVisible(deleteButton);
}
