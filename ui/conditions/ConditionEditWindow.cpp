#include "ConditionEditWindow.h"

#include "ConditionLayout.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

ConditionEditWindow::ConditionEditWindow(QWidget* parent)
    : QDialog(parent)
    , m_scrollArea(new QScrollArea(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("conditionEditWindow"));
    setWindowModality(Qt::WindowModal);
    m_scrollArea->setObjectName(QStringLiteral("conditionScrollArea"));
    m_scrollArea->setAccessibleName(tr("Conditions"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(rootLeft, rootTop, extraWidth - rootLeft, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollArea);
    // OK and Cancel in the middle of the room below the tree.
    auto* below = new QWidget(this);
    below->setFixedHeight(extraHeight - rootTop);
    auto* buttonRow = new QVBoxLayout(below);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addWidget(m_buttons, 0, Qt::AlignVCenter);
    layout->addWidget(below);

    // Tab keeps the field it reaches in sight by itself; this is for the
    // keyboard sent to a field otherwise, such as a row refused at OK.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && root() && root()->isAncestorOf(now)) {
            m_scrollArea->ensureWidgetVisible(now);
        }
    });
}

QWidget* ConditionEditWindow::root() const {
    return m_scrollArea->widget();
}

void ConditionEditWindow::setHeader(QWidget* header) {
    m_header = header;
    header->setParent(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, header);
    sizeToFit();
}

void ConditionEditWindow::setRoot(QWidget* root) {
    if (QWidget* previous = m_scrollArea->takeWidget()) {
        previous->removeEventFilter(this);
    }
    m_scrollArea->setWidget(root);
    root->installEventFilter(this);
    if (isVisible()) {
        // The tree takes the looks of the window.
        ConditionLayout::settleAll(root);
    }
    sizeToFit();
}

void ConditionEditWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* tree = root()) {
        ConditionLayout::settleAll(tree);
    }
}

bool ConditionEditWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == root()) {
        sizeToFit();
    }
    return QDialog::eventFilter(watched, event);
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

void ConditionEditWindow::sizeToFit() {
    const QWidget* tree = root();
    if (!tree) {
        return;
    }
    const QSize treeSize = tree->sizeHint();
    const QSize headerSize = m_header ? m_header->sizeHint() : QSize(0, 0);
    const int treeRoom = roomOnScreen() - extraHeight - headerSize.height();
    const bool scrolls = treeSize.height() > treeRoom;
    const int scrollWidth = scrolls ? m_scrollArea->verticalScrollBar()->sizeHint().width() : 0;
    // OK and Cancel need their own width when the tree is narrower.
    const QSize wanted(std::max({treeSize.width() + scrollWidth, m_buttons->sizeHint().width(), headerSize.width()}) +
                           extraWidth,
                       (scrolls ? treeRoom : treeSize.height()) + extraHeight + headerSize.height());
    if (wanted == size() && minimumSize() == maximumSize()) {
        return;
    }
    const QRect before = geometry();
    setFixedSize(wanted);
    if (isVisible()) {
        setGeometry(QRect(QPoint(before.x() + before.width() / 2 - wanted.width() / 2, before.y()), wanted));
    }
}
