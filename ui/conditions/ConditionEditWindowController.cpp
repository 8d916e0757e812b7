#include "ConditionEditWindowController.h"

#include "Alert.h"
#include "ConditionEditWindow.h"
#include "ConditionTreeEditor.h"
#include "LibraryDocument.h"
#include "SingleConditionView.h"

#include <QComboBox>
#include <QDialogButtonBox>
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

ConditionView* ConditionEditWindowController::rootView() const {
    return m_editor ? m_editor->root() : nullptr;
}

const DataRootPtr& ConditionEditWindowController::dataRoot() const {
    return m_document->root();
}

bool ConditionEditWindowController::openWindowAsSheetOf(QWidget* parent) {
    if (m_window || !m_currentBook) {
        return false;
    }
    // The editor outlives the window, which frees the tree it shows.
    ConditionTreeEditor editor(dataRoot());
    ConditionEditWindow window(parent);
    m_editor = &editor;
    m_window = &window;
    window.setWindowTitle(isNewBook() ? tr("Conditions of a New Smart Book")
                                      : tr("Conditions of “%1”").arg(m_currentBook->bookName()));
    connect(window.buttonBox(), &QDialogButtonBox::accepted, this, &ConditionEditWindowController::okClicked);
    connect(window.buttonBox(), &QDialogButtonBox::rejected, this, &ConditionEditWindowController::cancelClicked);
    connect(&editor, &ConditionTreeEditor::rootChanged, &window, &ConditionEditWindow::setRoot);
    if (!m_frame.isEmpty()) {
        window.restoreGeometry(m_frame);
    }
    editor.open(m_currentBook->conditions());
    if (m_frame.isEmpty() && parent) {
        window.move(parent->geometry().center().x() - window.width() / 2, parent->geometry().y() + 40);
    }
    // Typing starts in the first field.
    if (const QList<SingleConditionView*> rows = editor.rows(); !rows.isEmpty()) {
        rows.front()->firstField()->setFocus();
    }
    if (!editor.rowsNotOffered().isEmpty()) {
        // Over the sheet, once it shows.
        QTimer::singleShot(0, &window, [this, rows = editor.rowsNotOffered()] { tellRowsNotOffered(rows); });
    }
    m_stored = false;
    window.exec();
    m_frame = window.saveGeometry();
    m_window = nullptr;
    m_editor = nullptr;
    return m_stored;
}

bool ConditionEditWindowController::setConditionUsingRoot() {
    if (!m_editor || !m_editor->root()) {
        return false;
    }
    // Every row must be a condition before anything is stored.
    int row = 0;
    for (const SingleConditionView* single : m_editor->rows()) {
        ++row;
        const QString problem = single->problem();
        if (problem.isEmpty()) {
            continue;
        }
        const QString kind = single->parameterSelector()->currentText();
        Alert::inform(m_window, QStringLiteral("conditionRowAlert"), Alert::Icon::Warning,
                      tr("Row %1 (%2) cannot be stored.").arg(row).arg(kind), problem);
        QWidget* field = single->firstField();
        field->setFocus();
        // What is typed next replaces the refused text.
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            line->selectAll();
        }
        return false;
    }
    ConditionPtr tree = m_editor->root()->condition();
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
