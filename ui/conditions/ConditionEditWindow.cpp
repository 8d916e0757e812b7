#include "ConditionEditWindow.h"

#include "ConditionEditWindowController.h"
#include "GroupConditionView.h"
#include "SingleConditionView.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <utility>

ConditionEditWindow::ConditionEditWindow(ConditionEditWindowController* controller, QWidget* parent)
    : QDialog(parent)
    , m_controller(controller)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("conditionEditWindow"));
    setWindowTitle(tr("Smart Book Conditions"));
    setWindowModality(Qt::WindowModal);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    m_buttons->resize(m_buttons->sizeHint());
    connect(m_buttons, &QDialogButtonBox::accepted, controller, &ConditionEditWindowController::okClicked);
    connect(m_buttons, &QDialogButtonBox::rejected, controller, &ConditionEditWindowController::cancelClicked);
}

void ConditionEditWindow::sizeToFit() {
    ConditionView* root = m_controller->rootView();
    if (!root) {
        return;
    }
    // OK and Cancel need their own width when the tree is narrower.
    const QSize buttons = m_buttons->sizeHint();
    const QSize wanted(std::max(root->width() + extraWidth, buttons.width() + extraWidth),
                       root->height() + extraHeight);
    const QRect before = geometry();
    QRect after(QPoint(before.x() + before.width() / 2 - wanted.width() / 2, before.y()), wanted);
    setFixedSize(wanted);
    if (isVisible()) {
        setGeometry(after);
    } else {
        resize(wanted);
    }
    root->move(rootLeft, rootTop);
    const int strip = extraHeight - rootTop;
    m_buttons->setGeometry(rootLeft, wanted.height() - strip + (strip - buttons.height()) / 2,
                           wanted.width() - extraWidth, buttons.height());
}

QList<QWidget*> ConditionEditWindow::keyChain() const {
    QList<QWidget*> chain;
    QList<const ConditionView*> pending;
    if (const ConditionView* root = m_controller->rootView()) {
        pending.append(root);
    }
    while (!pending.isEmpty()) {
        const ConditionView* view = pending.takeFirst();
        if (const auto* group = qobject_cast<const GroupConditionView*>(view)) {
            for (qsizetype i = group->children().size(); i > 0; --i) {
                pending.prepend(group->children()[i - 1]);
            }
            continue;
        }
        for (QWidget* key : {view->topKeyView(), view->bottomKeyView()}) {
            if (key && !chain.contains(key)) {
                chain.append(key);
            }
        }
    }
    return chain;
}

namespace {
// Where a widget stands in the reading order of the sheet: its view's top, then its left.
std::pair<int, int> readingPlace(const QWidget* widget, const QWidget* window) {
    const QWidget* view = widget;
    while (view && !qobject_cast<const ConditionView*>(view)) {
        view = view->parentWidget();
    }
    return {(view ? view : widget)->mapTo(window, QPoint()).y(), widget->mapTo(window, QPoint()).x()};
}
} // namespace

bool ConditionEditWindow::focusNextPrevChild(bool next) {
    const QList<QWidget*> chain = keyChain();
    QWidget* focused = focusWidget();
    if (!focused || chain.isEmpty()) {
        return QDialog::focusNextPrevChild(next);
    }
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (chain[i] == focused || chain[i]->isAncestorOf(focused)) {
            const qsizetype to = (i + (next ? 1 : chain.size() - 1)) % chain.size();
            chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    if (!m_controller->rootView() || !m_controller->rootView()->isAncestorOf(focused)) {
        // OK and Cancel.
        return QDialog::focusNextPrevChild(next);
    }
    // A pop-up or button of a row, clicked into: on to the field after it, or back to the one before.
    const auto from = readingPlace(focused, this);
    QWidget* to = next ? chain.front() : chain.back();
    for (qsizetype i = 0; i < chain.size(); ++i) {
        QWidget* candidate = chain[next ? i : chain.size() - 1 - i];
        const auto place = readingPlace(candidate, this);
        if (next ? place > from : place < from) {
            to = candidate;
            break;
        }
    }
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void ConditionEditWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QList<QWidget*> chain = keyChain();
    if (!chain.isEmpty()) {
        chain.front()->setFocus(Qt::OtherFocusReason);
    }
}

void ConditionEditWindow::keyPressEvent(QKeyEvent* event) {
    // Escape is Cancel, which the controller decides on; the window never closes by itself.
    if (event->key() == Qt::Key_Escape) {
        m_controller->cancelClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}
