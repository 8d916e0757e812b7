#include "ConditionEditWindowController.h"

#include "Alert.h"
#include "AmountConditionView.h"
#include "AndConditionView.h"
#include "ConditionEditWindow.h"
#include "ConditionViewBuilder.h"
#include "LibraryDocument.h"
#include "OrConditionView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

ConditionEditWindowController::ConditionEditWindowController(LibraryDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(document) {}

ConditionEditWindowController::~ConditionEditWindowController() {
    delete m_window;
}

ConditionEditWindow* ConditionEditWindowController::window() const {
    return m_window;
}

const DataRootPtr& ConditionEditWindowController::dataRoot() const {
    return m_document->root();
}

bool ConditionEditWindowController::openWindowAsSheetOf(QWidget* parent) {
    if (m_window || !m_currentBook) {
        return false;
    }
    ConditionEditWindow window(this, parent);
    m_window = &window;
    window.setWindowTitle(isNewBook() ? tr("Conditions of a New Smart Book")
                                      : tr("Conditions of “%1”").arg(m_currentBook->bookName()));
    if (!m_frame.isEmpty()) {
        window.restoreGeometry(m_frame);
    } else if (parent) {
        window.move(parent->geometry().center().x() - window.width() / 2, parent->geometry().y() + 40);
    }
    m_stored = false;
    setRootUsingSmartBook();
    window.exec();
    m_frame = window.saveGeometry();
    // The tree goes with the window.
    m_rootView = nullptr;
    m_window = nullptr;
    return m_stored;
}

void ConditionEditWindowController::setRootUsingSmartBook() {
    if (const ConditionPtr& conditions = m_currentBook->conditions()) {
        ConditionViewBuilder builder(dataRoot());
        ConditionView* root = builder.build(*conditions);
        if (!qobject_cast<GroupConditionView*>(root)) {
            // A tree that is one leaf opens inside an AND group, as the editor shows every tree.
            setRootAndViewWith(root);
        } else {
            installRoot(root);
            root->setRoot(true);
        }
        if (!builder.rowsNotOffered().isEmpty()) {
            // Over the sheet, once it shows.
            QTimer::singleShot(0, m_window, [this, rows = builder.rowsNotOffered()] { tellRowsNotOffered(rows); });
        }
        return;
    }
    setRootAndViewWith(new AmountConditionView);
}

void ConditionEditWindowController::installRoot(ConditionView* root) {
    if (m_rootView) {
        m_rootView->hide();
        m_rootView->setParent(nullptr);
    }
    m_rootView = root;
    root->setParent(m_window);
    root->show();
}

void ConditionEditWindowController::setRootAndViewWith(ConditionView* view) {
    replaceRoot(new AndConditionView(false), view);
}

void ConditionEditWindowController::setRootOrViewWith(ConditionView* view) {
    replaceRoot(new OrConditionView(false), view);
}

void ConditionEditWindowController::replaceRoot(ConditionView* root, ConditionView* child) {
    auto* group = static_cast<GroupConditionView*>(root);
    group->setRoot(true);
    installRoot(group);
    group->addSubview(child, false);
    child->refreshControlBox();
}

bool ConditionEditWindowController::setConditionUsingRoot() {
    if (!m_rootView) {
        return false;
    }
    // Every row must be a condition before anything is stored.
    int row = 0;
    for (const ConditionView* view : GroupConditionView::rowsOf(m_rootView)) {
        ++row;
        const auto* single = qobject_cast<const SingleConditionView*>(view);
        const QString problem = single ? single->problem() : QString();
        if (!problem.isEmpty()) {
            const QString kind = single->parameterSelector()->currentText();
            Alert::inform(m_window, QStringLiteral("conditionRowAlert"), Alert::Icon::Warning,
                          tr("Row %1 (%2) cannot be stored.").arg(row).arg(kind), problem);
            if (QWidget* field = single->topKeyView()) {
                field->setFocus();
                // What is typed next replaces the refused text.
                if (auto* line = qobject_cast<QLineEdit*>(field)) {
                    line->selectAll();
                }
            }
            return false;
        }
    }
    ConditionPtr tree = m_rootView->condition();
    if (!tree) {
        return false;
    }
    if (isNewBook()) {
        // A new book is not in the library yet: it goes in with its tree, as one change.
        m_currentBook->setConditions(std::move(tree));
        m_document->addSmartBook(m_currentBook);
    } else {
        m_document->setConditions(m_currentBook, std::move(tree));
    }
    return true;
}

bool ConditionEditWindowController::isNewBook() const {
    const auto& smartBooks = dataRoot()->smartBooks();
    return std::find(smartBooks.begin(), smartBooks.end(), m_currentBook) == smartBooks.end();
}

void ConditionEditWindowController::okClicked() {
    if (setConditionUsingRoot()) {
        m_stored = true;
        m_window->accept();
    }
}

void ConditionEditWindowController::cancelClicked() {
    if (m_window) {
        m_window->reject();
    }
}

void ConditionEditWindowController::tellRowsNotOffered(const QList<int>& rows) {
    QStringList numbers;
    for (const int row : rows) {
        numbers.append(QString::number(row));
    }
    Alert::inform(m_window, QStringLiteral("conditionCodeAlert"), Alert::Icon::Information,
                  tr("Some conditions use a test this editor does not offer."),
                  tr("Row %1 shows its first test instead. OK stores what is shown; Cancel keeps the book as it was.")
                      .arg(numbers.join(QStringLiteral(", "))));
}
