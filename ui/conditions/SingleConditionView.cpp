#include "SingleConditionView.h"

#include "ConditionLayout.h"
#include "LocalizedText.h"

#include <QComboBox>
#include <QEvent>

SingleConditionView::SingleConditionView(int kind)
    : m_parameterSelector(new QComboBox(this))
    , m_whatSelector(new QComboBox(this)) {
    m_parameterSelector->setObjectName(QStringLiteral("parameterSelector"));
    // The row's words are its own widgets, no label beside each: screen readers get names.
    m_parameterSelector->setAccessibleName(tr("Condition on"));
    for (int id = 1; id <= kindCount; ++id) {
        m_parameterSelector->addItem(LocalizedText::lookup(QStringLiteral("ConditionParameter"), id));
    }
    m_parameterSelector->setCurrentIndex(kind - 1);
    connect(m_parameterSelector, &QComboBox::activated, this, &SingleConditionView::parameterChanged);
    guardWheel(m_parameterSelector);
    addToRow(m_parameterSelector);
    m_whatSelector->setObjectName(QStringLiteral("whatSelector"));
    m_whatSelector->setAccessibleName(tr("Test"));
    // As wide as its longest item.
    m_whatSelector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_whatSelector, &QComboBox::activated, this, &SingleConditionView::whatChanged);
    guardWheel(m_whatSelector);
    addToRow(m_whatSelector);
}

void SingleConditionView::finish() {
    for (const int id : whatIds()) {
        m_whatSelector->addItem(whatNameOfID(id));
    }
    m_whatSelector->setCurrentIndex(0);
    finishRow();
    arrangeControls(currentWhatID());
}

int SingleConditionView::indexOfWhat(int id) const {
    const std::vector<int>& ids = whatIds();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == id) {
            return int(i);
        }
    }
    return -1;
}

QString SingleConditionView::whatNameOfID(int id) const {
    return LocalizedText::lookup(QStringLiteral("ConditionWhat"), id);
}

int SingleConditionView::currentWhatID() const {
    const int index = m_whatSelector->currentIndex();
    const std::vector<int>& ids = whatIds();
    return index >= 0 && std::size_t(index) < ids.size() ? ids[std::size_t(index)] : -1;
}

void SingleConditionView::setWhatToID(int id) {
    const int index = indexOfWhat(id);
    m_codeNotOffered = index < 0;
    m_whatSelector->setCurrentIndex(index < 0 ? 0 : index);
    whatChanged();
}

QWidget* SingleConditionView::firstField() const {
    return m_parameterSelector;
}

void SingleConditionView::arrangeControls(int) {}

void SingleConditionView::guardWheel(QWidget* widget) {
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(this);
}

bool SingleConditionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
        // Ignored, the wheel goes on to the widgets around the row.
        event->ignore();
        return true;
    }
    return ConditionView::eventFilter(watched, event);
}

QString SingleConditionView::text(const QString& key) {
    return LocalizedText::lookup(key);
}

void SingleConditionView::parameterChanged(int index) {
    const int chosen = index + 1;
    if (chosen != kind()) {
        emit kindRequested(this, chosen);
    }
}

void SingleConditionView::whatChanged() {
    arrangeControls(currentWhatID());
    // A row still being built is laid out once, when the sheet shows it.
    if (isVisible()) {
        ConditionLayout::settle(this);
    }
}
