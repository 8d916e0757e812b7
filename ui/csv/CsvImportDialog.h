#pragma once

#include "CsvDateGuess.h"
#include "CsvImportPlan.h"
#include "CsvReader.h"
#include "CsvRecordMapping.h"
#include "CsvSavedMapping.h"
#include "DataRoot.h"
#include "KeywordRuleMatcher.h"

#include <QByteArray>
#include <QDialog>

#include <memory>

class CsvFileModel;
class ImportRulesList;
class CsvMappingBar;
class CsvPlanModel;
class CsvPlanner;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

// Shows a CSV file as the import would read it and lets the user say how to
// read it: the encoding (with a line of the file as it reads) and separator,
// the line the table starts at and whether it names the columns, which
// columns hold the date (and its format), the amount (one column signed
// either way, or debits and credits) with its decimal mark, the comment, the
// keywords and the counted flag. Where the days read two ways, both readings
// of one are shown and the user picks. Rows already in the library are
// marked and left out unless ticked; rows that cannot be read are left out
// and listed with their lines and reasons. A mapping the user kept for files
// of this shape is applied at once. The first rows show at once; every row
// is read and checked in the background, and Import waits for it.
class CsvImportDialog : public QDialog {
    Q_OBJECT

public:
    CsvImportDialog(QByteArray bytes, const QString& fileName, DataRootPtr root, QWidget* parent = nullptr);
    ~CsvImportDialog() override;

    // The plan as the dialog shows it; null while the file cannot be read
    // and while it is being planned.
    const CsvImportPlan* plan() const { return m_plan.get(); }
    bool isPlanning() const;
    const CsvRecordMapping& mapping() const { return m_mapping; }
    // Why the file cannot be read as chosen, with its line; empty when it can.
    const QString& readError() const { return m_readError; }
    // The mapping as the user confirms it, to keep for the next file of this shape.
    CsvSavedMapping mappingToRemember() const;
    // The keyword rules the user unticked for this import.
    std::vector<const KeywordRule*> skippedRules() const;

    // A cancel stops the planning.
    void done(int result) override;

signals:
    // Every row of the file is read and checked, or the file cannot be read.
    void planned();

private:
    void buildControls();
    QWidget* buildSettings();
    QComboBox* columnComboBox(const QString& name);
    void reread();
    void showMapping();
    void showAmountColumns();
    void fillColumnChoices();
    void mappingEdited();
    void replan();
    void showOutcome();
    void rulesTicked();

    QWidget* buildStartLine();
    void startLineEdited(int line);
    QWidget* buildDateReadings();
    void guessDates(bool chooseFormat);
    // Once every row is read, the days are looked at again: rows past the
    // first may settle how they read. Whether it plans again.
    bool settleDays();
    void showDateReadings();
    void showEncodingSample();
    QString outcomeOfRows() const;
    QString dayText(QDate day) const;

    // The first rows, at once.
    bool readHeadTable();
    // Every row, in the background.
    void planReady();
    void requestImport();
    void showProgress();

    // Mappings the user keeps.
    void applySavedMapping(const CsvSavedMapping& saved);
    QStringList keywordsToAdd() const;

    std::shared_ptr<const QByteArray> m_bytes;
    DataRootPtr m_root;
    CsvReader m_reader;
    // The first rows, for the preview and the guesses.
    std::shared_ptr<const CsvTable> m_table;
    // Every row, once read with the encoding and separator chosen.
    std::shared_ptr<const CsvTable> m_wholeTable;
    CsvRecordMapping m_mapping;
    std::shared_ptr<CsvImportPlan> m_plan;
    std::unique_ptr<CsvDateGuess> m_dateGuess;
    QString m_readError;
    int m_guessedForColumns = -1;
    bool m_showing = false;
    // A kept mapping was applied: reading the file does not guess again.
    bool m_keepMapping = false;
    bool m_importWhenPlanned = false;

    CsvPlanner* m_planner = nullptr;
    QTimer* m_progressTimer = nullptr;
    QProgressBar* m_progressBar = nullptr;
    CsvMappingBar* m_mappingBar = nullptr;
    QLineEdit* m_keywordsToAddField = nullptr;

    CsvFileModel* m_fileModel = nullptr;
    CsvPlanModel* m_planModel = nullptr;
    ImportRulesList* m_rulesList = nullptr;
    std::unique_ptr<KeywordRuleMatcher> m_matcher;

    QComboBox* m_encodingComboBox = nullptr;
    QLabel* m_encodingSampleLabel = nullptr;
    QComboBox* m_separatorComboBox = nullptr;
    QSpinBox* m_startLineSpinBox = nullptr;
    QCheckBox* m_headerCheckBox = nullptr;
    QComboBox* m_dateColumnComboBox = nullptr;
    QComboBox* m_dateFormatComboBox = nullptr;
    QWidget* m_dateReadingBox = nullptr;
    QLabel* m_dateReadingLabel = nullptr;
    QButtonGroup* m_dateReadingGroup = nullptr;
    QLabel* m_dateOrderLabel = nullptr;
    QComboBox* m_amountStyleComboBox = nullptr;
    QComboBox* m_amountSignComboBox = nullptr;
    QLabel* m_amountSignLabel = nullptr;
    QComboBox* m_amountColumnComboBox = nullptr;
    QComboBox* m_debitColumnComboBox = nullptr;
    QComboBox* m_creditColumnComboBox = nullptr;
    QLabel* m_amountColumnLabel = nullptr;
    QLabel* m_debitColumnLabel = nullptr;
    QLabel* m_creditColumnLabel = nullptr;
    QComboBox* m_decimalMarkComboBox = nullptr;
    QComboBox* m_commentColumnComboBox = nullptr;
    QComboBox* m_keywordsColumnComboBox = nullptr;
    QComboBox* m_countedColumnComboBox = nullptr;
    QTableView* m_fileTableView = nullptr;
    QTableView* m_recordTableView = nullptr;
    QListWidget* m_problemsList = nullptr;
    QLabel* m_summaryLabel = nullptr;
    QPushButton* m_importButton = nullptr;
};
