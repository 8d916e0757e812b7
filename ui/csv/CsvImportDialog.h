#pragma once

#include "CsvDateGuess.h"
#include "CsvImportPlan.h"
#include "CsvReader.h"
#include "CsvRecordMapping.h"
#include "DataRoot.h"

#include <QByteArray>
#include <QDialog>

#include <memory>

class CsvFileModel;
class CsvPlanModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

// Shows a CSV file as the import would read it and lets the user say how to
// read it: the encoding (with a line of the file as it reads) and separator,
// the line the table starts at and whether it names the columns, which
// columns hold the date (and its format), the amount (one column signed
// either way, or debits and credits) with its decimal mark, the comment, the
// keywords and the counted flag. Where the days read two ways, both readings
// of one are shown and the user picks. Rows already in the library are
// marked and left out unless ticked; rows that cannot be read are left out
// and listed with their lines and reasons.
class CsvImportDialog : public QDialog {
    Q_OBJECT

public:
    CsvImportDialog(QByteArray bytes, const QString& fileName, DataRootPtr root, QWidget* parent = nullptr);
    ~CsvImportDialog() override;

    // The plan as the dialog shows it; null while the file cannot be read.
    const CsvImportPlan* plan() const { return m_plan.get(); }
    const CsvRecordMapping& mapping() const { return m_mapping; }
    // Why the file cannot be read as chosen, with its line; empty when it can.
    const QString& readError() const { return m_readError; }

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

    QWidget* buildStartLine();
    void startLineEdited(int line);
    QWidget* buildDateReadings();
    void guessDates(bool chooseFormat);
    void showDateReadings();
    void showEncodingSample();
    QString outcomeOfRows() const;
    QString dayText(QDate day) const;

    QByteArray m_bytes;
    DataRootPtr m_root;
    CsvReader m_reader;
    std::shared_ptr<const CsvTable> m_table;
    CsvRecordMapping m_mapping;
    std::unique_ptr<CsvImportPlan> m_plan;
    std::unique_ptr<CsvDateGuess> m_dateGuess;
    QString m_readError;
    int m_guessedForColumns = -1;
    bool m_showing = false;

    CsvFileModel* m_fileModel = nullptr;
    CsvPlanModel* m_planModel = nullptr;

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
