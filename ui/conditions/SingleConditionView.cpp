#include "SingleConditionView.h"

#include "AmountConditionView.h"
#include "BookConditionView.h"
#include "CommentConditionView.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "DateConditionView.h"
#include "GroupConditionView.h"
#include "KeywordConditionView.h"
#include "LocalizedText.h"

#include <QComboBox>

SingleConditionView* SingleConditionView::create(int kind, const DataRootPtr& library) {
    switch (kind) {
    case Date:
        return new DateConditionView;
    case Keyword:
        return new KeywordConditionView(library);
    case Comment:
        return new CommentConditionView;
    case Book:
        return new BookConditionView(library);
    default:
        return new AmountConditionView;
    }
}

SingleConditionView::SingleConditionView(int kind)
    : m_parameterSelector(new QComboBox)
    , m_whatSelector(new QComboBox) {
    m_parameterSelector->setObjectName(QStringLiteral("parameterSelector"));
    for (int id = 1; id <= kindCount; ++id) {
        m_parameterSelector->addItem(LocalizedText::lookup(QStringLiteral("ConditionParameter"), id));
    }
    m_parameterSelector->setCurrentIndex(kind - 1);
    m_parameterSelector->resize(m_parameterSelector->sizeHint());
    connect(m_parameterSelector, &QComboBox::activated, this, &SingleConditionView::parameterChanged);
    appendToRow(m_parameterSelector);
    m_whatSelector->setObjectName(QStringLiteral("whatSelector"));
    // Its size follows the items it is given after it first joined the row.
    m_whatSelector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_whatSelector, &QComboBox::activated, this, &SingleConditionView::whatChanged);
    appendToRow(m_whatSelector);
}

void SingleConditionView::finishPopUps() {
    for (const int id : whatIds()) {
        m_whatSelector->addItem(whatNameOfID(id));
    }
    m_whatSelector->setCurrentIndex(0);
    m_whatSelector->resize(m_whatSelector->sizeHint());
    m_prevWhatID = currentWhatID();
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

QWidget* SingleConditionView::topKeyView() const {
    return m_parameterSelector;
}

QWidget* SingleConditionView::bottomKeyView() const {
    return m_whatSelector;
}

void SingleConditionView::arrangeControls(int, int) {}

QString SingleConditionView::text(const QString& key) {
    return LocalizedText::lookup(key);
}

DataRootPtr SingleConditionView::library() const {
    if (auto* window = qobject_cast<ConditionEditWindow*>(this->window())) {
        return window->controller()->dataRoot();
    }
    return nullptr;
}

void SingleConditionView::parameterChanged(int index) {
    const int chosen = index + 1;
    GroupConditionView* group = superConditionView();
    if (chosen == kind() || !group) {
        return;
    }
    SingleConditionView* replacement = create(chosen, library());
    group->replaceSubview(this, replacement, false);
    replacement->refreshControlBox();
    group->keyChainNeedsUpdating();
    // Freed once the choice that asked for it is over.
    deleteLater();
}

void SingleConditionView::whatChanged() {
    const int now = currentWhatID();
    arrangeControls(m_prevWhatID, now);
    m_prevWhatID = now;
    m_whatSelector->resize(m_whatSelector->sizeHint());
    sizeToFit();
}
