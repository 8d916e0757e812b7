#include "BookChoiceDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BookChoiceDialog::BookChoiceDialog(std::vector<BookPtr> books, int recordCount, QWidget* parent)
    : QDialog(parent)
    , m_books(std::move(books)) {
    setObjectName(QStringLiteral("bookChoiceDialog"));
    setWindowTitle(tr("Add to Book"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("bookChoiceList"));
    for (const BookPtr& book : m_books) {
        m_list->addItem(new QListWidgetItem(QIcon(QStringLiteral(":/images/NormalBook.svg")), book->bookName()));
    }
    m_list->setCurrentRow(0);

    auto* label = new QLabel;
    label->setWordWrap(true);
    if (m_books.empty()) {
        label->setText(tr("There is no plain book to add records to. Make one with File › New Book."));
        m_list->hide();
    } else {
        label->setText(tr("Add the %n selected record(s) to the book:", nullptr, recordCount));
        label->setBuddy(m_list);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_addButton = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setEnabled(!m_books.empty());
    m_addButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return on a book, or a double-click, adds to it at once.
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    m_list->setFocus();
}

BookPtr BookChoiceDialog::chosenBook() const {
    const int row = m_list->currentRow();
    if (result() != QDialog::Accepted || row < 0 || std::size_t(row) >= m_books.size()) {
        return nullptr;
    }
    return m_books[std::size_t(row)];
}
