#pragma once

#include "DataRoot.h"
#include "KeywordRuleMatcher.h"
#include "OfxStatement.h"
#include "QifReader.h"
#include "StatementFileKind.h"
#include "StatementImportPlan.h"

#include <QDialog>

#include <memory>

class ImportRulesList;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;
class StatementPlanModel;

// Shows an OFX, QFX or QIF statement as the import would take it and lets
// the user say how: for OFX, which accounts (with a keyword for each), which
// day and what comment; for QIF, which way its days read where they read
// both ways (both readings of a day are shown, and nothing is imported until
// the user picks one) and how split items come in. Transactions the library
// holds already are marked and left out unless ticked; possible duplicates
// are shown for the user to decide; what cannot be read is listed with its
// line. Each row shows the keywords the rules add; a rule unticked is left
// out of this import.
class StatementImportDialog : public QDialog {
    Q_OBJECT

public:
    StatementImportDialog(QByteArray bytes, StatementFileKind::Kind kind, const QString& fileName, DataRootPtr root,
                          QWidget* parent = nullptr);
    ~StatementImportDialog() override;

    // Why the file cannot be read at all; empty when it can.
    const QString& readError() const { return m_readError; }
    // Null until the file is read and, for QIF days read both ways, a reading chosen.
    const StatementImportPlan* plan() const { return m_plan.get(); }
    // The imported rows as records, with the keywords of the rules left ticked.
    StatementImportPlan::Batch makeRecords() const;

private:
    void buildControls();
    QWidget* buildOfxSettings();
    QWidget* buildQifSettings();
    void showDayReadings();
    void replan();
    void rulesTicked();
    void showOutcome();
    std::vector<StatementTransaction> ofxTransactions() const;

    StatementFileKind::Kind m_kind;
    DataRootPtr m_root;
    QString m_readError;
    OfxStatement m_ofx;
    QifReader m_qif;
    std::vector<QifDateReader::Order> m_readings;
    std::unique_ptr<StatementImportPlan> m_plan;
    std::unique_ptr<KeywordRuleMatcher> m_matcher;

    StatementPlanModel* m_planModel = nullptr;
    QTableWidget* m_accountTable = nullptr;
    QComboBox* m_dayComboBox = nullptr;
    QComboBox* m_commentComboBox = nullptr;
    QButtonGroup* m_dayReadingGroup = nullptr;
    QComboBox* m_splitComboBox = nullptr;
    ImportRulesList* m_rulesList = nullptr;
    QTableView* m_recordTableView = nullptr;
    QLabel* m_problemsLabel = nullptr;
    QListWidget* m_problemsList = nullptr;
    QLabel* m_summaryLabel = nullptr;
    QPushButton* m_importButton = nullptr;
};
