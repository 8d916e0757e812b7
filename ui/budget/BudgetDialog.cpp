#include "BudgetDialog.h"

#include "Alert.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>

BudgetDialog::BudgetDialog(LibraryDocument* document, BudgetPtr budget, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_budget(std::move(budget))
    , m_targetComboBox(new QComboBox(this))
    , m_amountField(new QLineEdit(this))
    , m_periodComboBox(new QComboBox(this)) {
    setObjectName(QStringLiteral("budgetDialog"));
    const bool isNew = m_document->root()->indexOfBudget(m_budget.get()) == DataRoot::notFound;
    setWindowTitle(isNew ? tr("New Budget") : tr("Edit Budget"));
    m_targetComboBox->setObjectName(QStringLiteral("targetComboBox"));
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_periodComboBox->setObjectName(QStringLiteral("periodComboBox"));
    m_periodComboBox->addItem(tr("a month"));
    m_periodComboBox->addItem(tr("a year"));

    fillTargets();
    if (!m_budget->amount().isZero() || !isNew) {
        m_amountField->setText(LedgerFormat().amountForEditing(m_budget->amount()));
    }
    m_periodComboBox->setCurrentIndex(int(m_budget->period()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("dialogButtonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &BudgetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BudgetDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("For:"), m_targetComboBox);
    layout->addRow(tr("Amount:"), m_amountField);
    layout->addRow(tr("Per:"), m_periodComboBox);
    layout->addRow(buttons);
    // Wide enough for the title bar to show the dialog's name and for the
    // longest keyword or book name the list is likely to hold.
    setMinimumWidth(fontMetrics().averageCharWidth() * 44);
}

void BudgetDialog::fillTargets() {
    const DataRoot& root = *m_document->root();
    m_keywords = root.keywords();
    m_smartBooks = root.smartBooks();
    // A deleted keyword or book stays a choice, so that editing the amount keeps it.
    const KeywordPtr& keyword = m_budget->keyword();
    const bool keywordGone = keyword && std::find(m_keywords.begin(), m_keywords.end(), keyword) == m_keywords.end();
    if (keywordGone) {
        m_keywords.push_back(keyword);
    }
    const SmartBookPtr& smartBook = m_budget->smartBook();
    const bool bookGone = smartBook && !root.holdsBook(smartBook.get());
    if (bookGone) {
        m_smartBooks.push_back(smartBook);
    }
    int current = 0;
    for (const KeywordPtr& each : m_keywords) {
        if (each == keyword) {
            current = m_targetComboBox->count();
        }
        m_targetComboBox->addItem(keywordGone && each == keyword ? tr("Keyword “%1” (deleted)").arg(each->name())
                                                                 : tr("Keyword “%1”").arg(each->name()));
    }
    for (const SmartBookPtr& book : m_smartBooks) {
        if (book == smartBook) {
            current = m_targetComboBox->count();
        }
        m_targetComboBox->addItem(bookGone && book == smartBook ? tr("Smart book “%1” (deleted)").arg(book->bookName())
                                                                : tr("Smart book “%1”").arg(book->bookName()));
    }
    m_targetComboBox->setCurrentIndex(current);
}

void BudgetDialog::accept() {
    if (store()) {
        QDialog::accept();
    }
}

bool BudgetDialog::store() {
    const int target = m_targetComboBox->currentIndex();
    if (target < 0) {
        Alert::inform(this, QStringLiteral("budgetTargetAlert"), Alert::Icon::Warning,
                      tr("A budget needs a keyword or a smart book."),
                      tr("Make a keyword or a smart book first, then a budget for it."));
        return false;
    }
    QString error;
    const std::optional<Amount> amount = LedgerFormat().parseAmount(m_amountField->text(), &error);
    if (!amount || amount->sign() < 0) {
        Alert::inform(this, QStringLiteral("budgetAmountAlert"), Alert::Icon::Warning,
                      tr("The budget needs an amount of zero or more."), amount ? QString() : error);
        m_amountField->setFocus();
        return false;
    }
    const bool isKeyword = std::size_t(target) < m_keywords.size();
    const KeywordPtr keyword = isKeyword ? m_keywords[std::size_t(target)] : nullptr;
    const SmartBookPtr book = isKeyword ? nullptr : m_smartBooks[std::size_t(target) - m_keywords.size()];
    const auto period = Budget::Period(m_periodComboBox->currentIndex());
    if (m_document->root()->indexOfBudget(m_budget.get()) == DataRoot::notFound) {
        if (book) {
            m_budget->setSmartBook(book);
        } else {
            m_budget->setKeyword(keyword);
        }
        m_budget->setAmount(*amount);
        m_budget->setPeriod(period);
        m_document->addBudget(m_budget);
    } else {
        m_document->editBudget(m_budget, keyword, book, *amount, period);
    }
    return true;
}
