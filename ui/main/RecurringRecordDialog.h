#pragma once

#include "LedgerFormat.h"
#include "RecurringRecord.h"

#include <QDialog>

class DateField;
class LibraryDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

// The template and the rule of one recurring record. OK with valid fields
// gives the document the new record, or the edit of the one it shows; a
// field that does not read keeps the dialog open and says why.
class RecurringRecordDialog : public QDialog {
    Q_OBJECT

public:
    // `record` is new (not in the library yet) or one of the library's.
    RecurringRecordDialog(LibraryDocument* document, RecurringRecordPtr record, QWidget* parent = nullptr);

    // The rule in words: "Every 2 months on the last day, from 1/31/27, 5 times".
    static QString ruleText(const RecurrenceRule& rule, const LedgerFormat& format);

    void accept() override;

private:
    void buildFields();
    void showRule();
    void showUnitFields();
    // The dialog's fields as a record not in the library; null with the reason when one does not read.
    RecurringRecordPtr readFields(QString* error) const;
    KeywordList checkedKeywords() const;

    LibraryDocument* m_document;
    RecurringRecordPtr m_record;
    LedgerFormat m_format;
    QLineEdit* m_commentField = nullptr;
    QLineEdit* m_amountField = nullptr;
    QCheckBox* m_countedCheckBox = nullptr;
    QListWidget* m_keywordsList = nullptr;
    QSpinBox* m_intervalField = nullptr;
    QComboBox* m_unitMenu = nullptr;
    QComboBox* m_monthDayMenu = nullptr;
    QLabel* m_monthDayLabel = nullptr;
    DateField* m_startField = nullptr;
    QComboBox* m_endMenu = nullptr;
    DateField* m_untilField = nullptr;
    QSpinBox* m_countField = nullptr;
    QLabel* m_errorLabel = nullptr;
};
