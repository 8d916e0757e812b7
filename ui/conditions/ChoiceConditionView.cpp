#include "ChoiceConditionView.h"

#include <QFont>

namespace {
// Items of the library carry their index; marked items carry none.
constexpr int indexRole = Qt::UserRole;
} // namespace

ChoiceConditionView::ChoiceConditionView(int kind, const QString& objectName, const QString& accessibleName)
    : SingleConditionView(kind)
    , m_selector(new QComboBox(this)) {
    m_selector->setObjectName(objectName);
    m_selector->setAccessibleName(accessibleName);
    // A missing choice is put in front later: the width must follow it.
    m_selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    guardWheel(m_selector);
    addToRow(m_selector);
}

void ChoiceConditionView::fill(const QStringList& names, const QString& none) {
    for (qsizetype i = 0; i < names.size(); ++i) {
        m_selector->addItem(names[i], int(i));
    }
    if (names.isEmpty()) {
        choose(-1, none);
    }
}

void ChoiceConditionView::choose(int index, const QString& missingName) {
    if (index >= 0) {
        m_selector->setCurrentIndex(m_selector->findData(index, indexRole));
        return;
    }
    m_selector->insertItem(0, missingName, -1);
    QFont marked = m_selector->font();
    marked.setItalic(true);
    m_selector->setItemData(0, marked, Qt::FontRole);
    m_selector->setCurrentIndex(0);
}

int ChoiceConditionView::chosenIndex() const {
    const QVariant index = m_selector->currentData(indexRole);
    return index.isValid() ? index.toInt() : -1;
}

QString ChoiceConditionView::problem() const {
    return chosenIndex() < 0 ? missingProblem() : QString();
}
