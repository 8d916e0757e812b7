#include "ConditionEditWindow.h"

#include "ConditionEditWindowController.h"
#include "GroupConditionView.h"
#include "SingleConditionView.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

ConditionEditWindow::ConditionEditWindow(ConditionEditWindowController* controller, QWidget* parent)
    : QDialog(parent)
    , m_controller(controller)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
    , m_topStrip(new QWidget(this))
    , m_bottomStrip(new QWidget(this)) {
    setObjectName(QStringLiteral("conditionEditWindow"));
    setWindowTitle(tr("Smart Book Conditions"));
    setWindowModality(Qt::WindowModal);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_buttons->resize(m_buttons->sizeHint());
    connect(m_buttons, &QDialogButtonBox::accepted, controller, &ConditionEditWindowController::okClicked);
    connect(m_buttons, &QDialogButtonBox::rejected, controller, &ConditionEditWindowController::cancelClicked);
    m_scrollBar->setObjectName(QStringLiteral("conditionScrollBar"));
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &ConditionEditWindow::placeRoot);
    for (QWidget* strip : {m_topStrip, m_bottomStrip}) {
        strip->setAutoFillBackground(true);
        strip->hide();
    }
    qApp->installEventFilter(this);
    // Wherever the keyboard goes in the tree (Tab, a refused row), it is in sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now)) {
            bringIntoSight(now);
        }
    });
}

int ConditionEditWindow::roomOnScreen() const {
    const QWidget* host = parentWidget() ? parentWidget() : this;
    const QScreen* shown = host->screen();
    if (!shown) {
        return QWIDGETSIZE_MAX;
    }
    const QRect available = shown->availableGeometry();
    if (!isVisible()) {
        // Not placed yet: the whole height less a guess at the frame and title bar.
        constexpr int frameAllowance = 48;
        return std::max(available.height() - frameAllowance, extraHeight + 100);
    }
    // The top edge stays where it is: the room is what lies below it.
    const int frameBelow = frameGeometry().bottom() - geometry().bottom();
    const int top = std::max(geometry().top(), available.top());
    return std::max(available.bottom() + 1 - top - frameBelow, extraHeight + 100);
}

void ConditionEditWindow::placeRoot() {
    if (ConditionView* root = m_controller->rootView()) {
        root->move(rootLeft, rootTop - (m_scrollBar->isHidden() ? 0 : m_scrollBar->value()));
    }
}

void ConditionEditWindow::bringIntoSight(const QWidget* widget) {
    ConditionView* root = m_controller->rootView();
    if (m_scrollBar->isHidden() || !root || !root->isAncestorOf(widget)) {
        return;
    }
    const int top = widget->mapTo(root, QPoint()).y();
    const int shown = m_scrollBar->pageStep();
    if (top < m_scrollBar->value()) {
        m_scrollBar->setValue(top);
    } else if (top + widget->height() > m_scrollBar->value() + shown) {
        m_scrollBar->setValue(top + widget->height() - shown);
    }
}

bool ConditionEditWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || m_scrollBar->isHidden()) {
        return QDialog::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool changesValue = qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget);
    if (changesValue && !widget->hasFocus() && isAncestorOf(widget)) {
        QCoreApplication::sendEvent(m_scrollBar, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ConditionEditWindow::wheelEvent(QWheelEvent* event) {
    if (!m_scrollBar->isHidden()) {
        QCoreApplication::sendEvent(m_scrollBar, event);
        return;
    }
    QDialog::wheelEvent(event);
}

void ConditionEditWindow::sizeToFit() {
    ConditionView* root = m_controller->rootView();
    if (!root) {
        return;
    }
    // OK and Cancel need their own width when the tree is narrower.
    const QSize buttons = m_buttons->sizeHint();
    const int treeRoom = roomOnScreen() - extraHeight;
    const bool scrolls = root->height() > treeRoom;
    const int scrollWidth = scrolls ? m_scrollBar->sizeHint().width() : 0;
    const QSize wanted(std::max(root->width() + extraWidth + scrollWidth, buttons.width() + extraWidth),
                       (scrolls ? treeRoom : root->height()) + extraHeight);
    const QRect before = geometry();
    QRect after(QPoint(before.x() + before.width() / 2 - wanted.width() / 2, before.y()), wanted);
    setFixedSize(wanted);
    if (isVisible()) {
        setGeometry(after);
    } else {
        resize(wanted);
    }
    const int strip = extraHeight - rootTop;
    showScrolling(scrolls, wanted, strip);
    placeRoot();
    m_buttons->setGeometry(rootLeft, wanted.height() - strip + (strip - buttons.height()) / 2,
                           wanted.width() - extraWidth, buttons.height());
}

void ConditionEditWindow::showScrolling(bool scrolls, QSize window, int strip) {
    ConditionView* root = m_controller->rootView();
    m_scrollBar->setVisible(scrolls);
    m_topStrip->setVisible(scrolls);
    m_bottomStrip->setVisible(scrolls);
    if (!scrolls) {
        m_coveredRoot = nullptr;
        return;
    }
    const int shown = window.height() - extraHeight;
    m_scrollBar->setGeometry(window.width() - rootLeft - m_scrollBar->sizeHint().width(), rootTop,
                             m_scrollBar->sizeHint().width(), shown);
    m_scrollBar->setRange(0, root->height() - shown);
    m_scrollBar->setPageStep(shown);
    m_scrollBar->setSingleStep(24);
    m_topStrip->setGeometry(0, 0, window.width(), rootTop);
    m_bottomStrip->setGeometry(0, window.height() - strip, window.width(), strip);
    // Over the rows scrolled out of sight, the buttons over their strip; once
    // for each root, as rows are added inside it, not beside it.
    if (m_coveredRoot != root) {
        m_topStrip->raise();
        m_bottomStrip->raise();
        m_buttons->raise();
        m_scrollBar->raise();
        m_coveredRoot = root;
    }
}

QList<QWidget*> ConditionEditWindow::keyChain() const {
    QList<QWidget*> chain;
    for (const ConditionView* view : GroupConditionView::rowsOf(m_controller->rootView())) {
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
