#include "EntryForm.h"

#include "Alert.h"
#include "Clock.h"
#include "DateField.h"
#include "KeywordViewController.h"
#include "LibraryDocument.h"
#include "TextSuggestion.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

EntryForm::EntryForm(LibraryDocument* document, TextSuggestion* suggestion, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_suggestion(suggestion)
    , m_dateField(new DateField)
    , m_dateNoteLabel(new QLabel)
    , m_amountField(new QLineEdit)
    , m_keywordView(new KeywordViewController(document, this))
    , m_noKeywordsLabel(new QLabel(tr("No keywords yet. <a href=\"keywords\">Make keywords…</a>")))
    , m_commentField(new QLineEdit)
    , m_inclButton(new QCheckBox(tr("Count in totals")))
    , m_enterButton(new QPushButton(tr("Enter")))
    , m_blankButton(new QPushButton(tr("Clear"))) {
    setObjectName(QStringLiteral("entryForm"));
    // The form has a line for the date's note.
    m_dateField->setNoteBubbleShown(false);
    m_dateNoteLabel->setObjectName(QStringLiteral("dateNoteLabel"));
    m_dateNoteLabel->setWordWrap(true);
    m_dateNoteLabel->hide();
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_commentField->setObjectName(QStringLiteral("commentField"));
    m_inclButton->setObjectName(QStringLiteral("inclButton"));
    m_enterButton->setObjectName(QStringLiteral("enterButton"));
    m_blankButton->setObjectName(QStringLiteral("blankButton"));
    m_noKeywordsLabel->setObjectName(QStringLiteral("noKeywordsLabel"));
    m_noKeywordsLabel->setTextFormat(Qt::RichText);
    m_noKeywordsLabel->setWordWrap(true);
    // Return anywhere in the form enters the record, not only on a button.
    m_enterButton->setAutoDefault(false);
    m_blankButton->setAutoDefault(false);
    buildLayout();

    connect(m_enterButton, &QPushButton::clicked, this, &EntryForm::enter);
    connect(m_blankButton, &QPushButton::clicked, this, &EntryForm::blank);
    connect(m_keywordView, &KeywordViewController::complaintRaised, this, &EntryForm::complaintRaised);
    connect(m_amountField, &QLineEdit::textEdited, this,
            [this](const QString& text) { fieldChanged(m_amountField, text); });
    connect(m_commentField, &QLineEdit::textEdited, this,
            [this](const QString& text) { fieldChanged(m_commentField, text); });
    connect(m_dateField, &QLineEdit::textEdited, this,
            [this](const QString& text) { fieldChanged(m_dateField, text); });
    connect(m_dateField, &DateField::dateEdited, this, [this] { fieldChanged(m_dateField, m_dateField->text()); });
    connect(m_dateField, &DateField::noteChanged, this, &EntryForm::showDateNote);
    connect(document, &LibraryDocument::keywordsRemoved, this, &EntryForm::dropKeywords);
    connect(m_noKeywordsLabel, &QLabel::linkActivated, this, &EntryForm::keywordWindowRequested);
    // Told only while the list is empty: where the keywords to tick come from.
    const QAbstractItemModel* keywords = m_keywordView->keywordView()->model();
    connect(keywords, &QAbstractItemModel::rowsInserted, this, &EntryForm::showKeywordHint);
    connect(keywords, &QAbstractItemModel::rowsRemoved, this, &EntryForm::showKeywordHint);
    showKeywordHint();
    blank();
}

void EntryForm::buildLayout() {
    auto* fields = new QFormLayout;
    fields->addRow(tr("Date:"), m_dateField);
    fields->addRow(QString(), m_dateNoteLabel);
    fields->addRow(tr("Amount:"), m_amountField);
    fields->addRow(tr("Comment:"), m_commentField);
    fields->addRow(QString(), m_inclButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_blankButton);
    buttons->addStretch(1);
    buttons->addWidget(m_enterButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_noKeywordsLabel);
    layout->addWidget(m_keywordView->keywordView(), 1);
    layout->addLayout(buttons);
    // Date, amount, comment, then the keywords: the fields typed into most come first.
    setTabOrder(m_dateField, m_amountField);
    setTabOrder(m_amountField, m_commentField);
    setTabOrder(m_commentField, m_inclButton);
    setTabOrder(m_inclButton, m_keywordView->keywordView());
}

void EntryForm::blank() {
    // Filling the form is no typing: the completion state stays as the user left it.
    m_dateField->setDate(Clock::today());
    m_amountField->setText(m_format.amountForEditing(Amount::fromInt(0)));
    m_commentField->clear();
    m_inclButton->setChecked(true);
    m_currentIO = IO::create();
    m_keywordView->setRecords({m_currentIO});
    // A hidden form never takes the keyboard from the window around it; it does when shown.
    if (isVisible()) {
        m_amountField->setFocus(Qt::OtherFocusReason);
    }
    m_amountField->selectAll();
}

void EntryForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!isAncestorOf(QApplication::focusWidget())) {
        // As Tab would: what is typed replaces the amount shown instead of joining it ("0-4.20").
        m_amountField->setFocus(Qt::OtherFocusReason);
        m_amountField->selectAll();
    }
}

void EntryForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A link takes its colour when its text is read, so a switch to dark would leave it light-palette blue.
    if (event->type() == QEvent::PaletteChange) {
        const QString text = m_noKeywordsLabel->text();
        m_noKeywordsLabel->clear();
        m_noKeywordsLabel->setText(text);
    }
}

void EntryForm::refuseAmount(const QString& why) {
    Alert::inform(window(), QStringLiteral("amountRefusedAlert"), Alert::Icon::Warning,
                  tr("The record was not entered."), why);
    // Whichever window the desktop chose once the alert closed, the typing goes on here.
    window()->activateWindow();
    m_amountField->setFocus(Qt::OtherFocusReason);
    m_amountField->selectAll();
}

bool EntryForm::enter() {
    QString why;
    const std::optional<Amount> amount = m_format.parseRecordAmount(m_amountField->text(), &why);
    if (!amount) {
        refuseAmount(why);
        return false;
    }
    if (!m_dateField->commit()) {
        // The field says why under it and keeps the text selected.
        m_dateField->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // Which far day the record took stays in sight until the next record.
    const QString dateNote = m_dateField->note();
    const QString comment = m_commentField->text();
    m_currentIO->setAmount(amount);
    m_currentIO->setDate(m_dateField->date());
    m_currentIO->setComment(comment);
    m_currentIO->setIncludeInStats(m_inclButton->isChecked() ? 1 : 0);
    // Its keywords were ticked into it already.
    m_document->enterRecord(m_currentIO);
    m_suggestion->addWord(comment);
    blank();
    showDateNote(dateNote);
    return true;
}

void EntryForm::fieldChanged(const QObject* field, const QString& text) {
    const QString previous = m_lastText;
    m_lastText = text;
    const QObject* lastField = std::exchange(m_lastField, field);
    if (field != m_commentField) {
        return;
    }
    // Characters taken away at the end (the completed tail too) are never completed again.
    if (lastField == m_commentField && previous.startsWith(text)) {
        return;
    }
    const QString suggestion = m_suggestion->search(text);
    if (suggestion.isNull()) {
        return;
    }
    const qsizetype typed = text.size();
    m_commentField->setText(suggestion);
    m_commentField->setSelection(int(typed), int(suggestion.size() - typed));
}

void EntryForm::dropKeywords(const KeywordList& keywords) {
    // A keyword gone from the library must not come back with the next record entered.
    if (std::any_of(keywords.begin(), keywords.end(),
                    [this](const KeywordPtr& keyword) { return m_currentIO->includesKeyword(keyword); })) {
        m_currentIO->deleteKeywords(keywords);
        m_keywordView->reloadData();
    }
}

void EntryForm::showKeywordHint() {
    m_noKeywordsLabel->setVisible(m_keywordView->keywordView()->model()->rowCount() == 0);
}

void EntryForm::moveInto(QLayout* layout) {
    if (parentWidget() == layout->parentWidget()) {
        return;
    }
    const QPointer<QWidget> typing = focusWidget();
    layout->addWidget(this);
    show();
    if (typing && isAncestorOf(typing)) {
        typing->setFocus(Qt::OtherFocusReason);
    }
}

void EntryForm::showDateNote(const QString& note) {
    m_dateNoteLabel->setText(note);
    m_dateNoteLabel->setVisible(!note.isEmpty());
}

void EntryForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enter();
        return;
    }
    QWidget::keyPressEvent(event);
}
