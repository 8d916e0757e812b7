#include "KeywordWindowController.h"

#include "KeywordViewController.h"
#include "LibraryDocument.h"
#include "RestoredFrame.h"
#include "ToolWindow.h"
#include "UndoActions.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

KeywordWindowController::KeywordWindowController(LibraryDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_window(std::make_unique<QWidget>(nullptr, Qt::Window))
    , m_keywordView(new KeywordViewController(document, m_window.get()))
    , m_hintLabel(new QLabel) {
    m_window->setObjectName(QStringLiteral("keywordWindow"));
    m_window->setWindowTitle(tr("Keywords"));
    connect(m_keywordView, &KeywordViewController::complaintRaised, this, &KeywordWindowController::complaintRaised);
    // The main window names the keywords searched for.
    connect(document, &LibraryDocument::keywordRenamed, this, [this](const KeywordPtr& keyword) {
        if (std::find(m_searchKeywords.begin(), m_searchKeywords.end(), keyword) != m_searchKeywords.end()) {
            emit searchKeywordsChanged();
        }
    });

    auto* buttons = new QHBoxLayout;
    QPushButton* add = addButton(QStringLiteral("newKeywordButton"), tr("New"), &KeywordWindowController::newKeyword);
    setKey(add, QKeySequence::New, tr("Makes a keyword and opens its name for typing (%1)"));
    buttons->addWidget(add);
    QPushButton* remove =
        addButton(QStringLiteral("deleteKeywordsButton"), tr("Delete"), &KeywordWindowController::deleteKeywords);
    // The key a list's rows are deleted with; a name being typed keeps it for itself.
    setKey(remove, QKeySequence::Delete, tr("Takes the selected keywords off every record and out of the list (%1)"));
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(addButton(QStringLiteral("searchKeywordsButton"), tr("Search"),
                                 &KeywordWindowController::searchBySelectedKeywords));
    buttons->addWidget(addButton(QStringLiteral("showAllButton"), tr("Show All"), &KeywordWindowController::showAll));

    m_hintLabel->setObjectName(QStringLiteral("keywordHintLabel"));
    m_hintLabel->setWordWrap(true);
    const QAbstractItemModel* keywords = m_keywordView->keywordView()->model();
    connect(keywords, &QAbstractItemModel::rowsInserted, this, &KeywordWindowController::showHint);
    connect(keywords, &QAbstractItemModel::rowsRemoved, this, &KeywordWindowController::showHint);
    connect(m_keywordView, &KeywordViewController::recordsChanged, this, &KeywordWindowController::showHint);
    showHint();
    UndoActions::addTo(m_window.get(), document->undoStack());
    m_window->installEventFilter(this);

    auto* layout = new QVBoxLayout(m_window.get());
    layout->addWidget(m_hintLabel);
    layout->addWidget(m_keywordView->keywordView(), 1);
    layout->addLayout(buttons);
    const int line = m_window->fontMetrics().height();
    m_window->resize(line * 22, line * 24);
}

KeywordWindowController::~KeywordWindowController() {
    // A window torn down with kesh was not closed by the user.
    m_window->removeEventFilter(this);
}

QPushButton* KeywordWindowController::addButton(const QString& name, const QString& text,
                                                void (KeywordWindowController::*command)()) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, command);
    return button;
}

void KeywordWindowController::setKey(QPushButton* button, QKeySequence::StandardKey key, const QString& toolTip) {
    button->setShortcut(key);
    button->setToolTip(toolTip.arg(button->shortcut().toString(QKeySequence::NativeText)));
}

void KeywordWindowController::setParentWindow(QWidget* host) {
    ToolWindow::attach(m_window.get(), host, Qt::BottomRightCorner);
}

bool KeywordWindowController::toggleWindow() {
    if (m_window->isVisible()) {
        m_window->close();
        return false;
    }
    showWindow();
    return true;
}

void KeywordWindowController::showWindow() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    emit openChanged(true);
}

bool KeywordWindowController::eventFilter(QObject* object, QEvent* event) {
    // Its own close control and toggleWindow() alike.
    if (object == m_window.get() && event->type() == QEvent::Close) {
        emit openChanged(false);
    }
    return QObject::eventFilter(object, event);
}

// Says what the boxes work on, which the window alone does not show.
void KeywordWindowController::showHint() {
    const auto selected = int(m_keywordView->records().size());
    if (m_keywordView->keywordView()->model()->rowCount() == 0) {
        m_hintLabel->setText(tr("No keywords yet: New makes one."));
    } else if (selected == 0) {
        m_hintLabel->setText(tr("Select records in the main window to tick their keywords here."));
    } else {
        m_hintLabel->setText(tr("A tick gives the keyword to the %n selected record(s).", nullptr, selected));
    }
}

void KeywordWindowController::newKeyword() {
    const KeywordPtr keyword = m_document->addKeyword();
    m_keywordView->editNameOf(keyword);
}

void KeywordWindowController::deleteKeywords() {
    const KeywordList selected = m_keywordView->selectedKeywords();
    // The records being composed let go of them too (they follow the document).
    m_document->deleteKeywords(selected);
    for (KeywordViewController* checklist : KeywordViewController::allInstances()) {
        checklist->reloadData();
    }
}

void KeywordWindowController::searchBySelectedKeywords() {
    m_searchKeywords = m_keywordView->selectedKeywords();
    m_searchActive = true;
    emit searchKeywordsChanged();
}

void KeywordWindowController::searchFor(const KeywordList& keywords) {
    m_searchKeywords = keywords;
    m_searchActive = true;
    emit searchKeywordsChanged();
}

void KeywordWindowController::showAll() {
    clearSearchKeywords();
}

void KeywordWindowController::clearSearchKeywords() {
    const bool wasActive = std::exchange(m_searchActive, false);
    m_searchKeywords.clear();
    if (wasActive) {
        emit searchKeywordsChanged();
    }
}

QByteArray KeywordWindowController::frame() const {
    return m_window->saveGeometry();
}

void KeywordWindowController::setFrame(const QByteArray& frame) {
    if (!frame.isEmpty()) {
        RestoredFrame::restore(m_window.get(), frame);
    }
}
