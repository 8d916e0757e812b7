#pragma once

#include "IO.h"
#include "LedgerFormat.h"

#include <QWidget>

class DateField;
class KeywordViewController;
class LibraryDocument;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class TextSuggestion;

// The form in which the user composes new records one after another: date,
// amount, keywords, comment (completed from earlier comments) and whether the
// record counts in the totals. Enter adds the record to the main library and
// starts a fresh one. The record being composed is not in the library: its
// fields and keywords are filled in directly until it is entered.
class EntryForm : public QWidget {
    Q_OBJECT

public:
    EntryForm(LibraryDocument* document, TextSuggestion* suggestion, QWidget* parent = nullptr);

    const IOPtr& currentIO() const { return m_currentIO; }
    KeywordViewController* keywordView() const { return m_keywordView; }
    DateField* dateField() const { return m_dateField; }
    // Under the date field: why its text is no day, or which far day the last record took.
    QLabel* dateNoteLabel() const { return m_dateNoteLabel; }
    QLineEdit* amountField() const { return m_amountField; }
    QLineEdit* commentField() const { return m_commentField; }
    QCheckBox* inclButton() const { return m_inclButton; }

    // A new, empty record: today, amount 0, no comment, counted, no keyword;
    // the amount selected for typing. What was being composed is dropped.
    void blank();
    // Adds the composed record to the main library and starts a fresh one. An
    // amount that is 0, empty or no number is refused, saying why, a date
    // that is no day under the date field, and the form stays.
    bool enter();
    // Shows the form in `layout`'s widget, taken from wherever it was shown
    // with what was typed, the keyboard in the field it was in.
    void moveInto(QLayout* layout);

signals:
    // Alerts 2 and 3 for refused keyword names.
    void complaintRaised(int errorNumber);
    // The user follows the hint to the window in which keywords are made.
    void keywordWindowRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void refuseAmount(const QString& why);
    void fieldChanged(const QObject* field, const QString& text);
    void dropKeywords(const KeywordList& keywords);
    void showKeywordHint();
    void showDateNote(const QString& note);

    LibraryDocument* m_document;
    TextSuggestion* m_suggestion;
    LedgerFormat m_format;
    IOPtr m_currentIO;

    DateField* m_dateField;
    QLabel* m_dateNoteLabel;
    QLineEdit* m_amountField;
    KeywordViewController* m_keywordView;
    QLabel* m_noKeywordsLabel;
    QLineEdit* m_commentField;
    QCheckBox* m_inclButton;
    QPushButton* m_enterButton;
    QPushButton* m_blankButton;

    // Completion state of this form: the text of the field that changed last,
    // as the user left it before any completion, and that field.
    QString m_lastText;
    const QObject* m_lastField = nullptr;
};
