#pragma once

#include "CsvSavedMapping.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The mappings the user keeps for CSV files, by name: a name is edited in
// place, Delete forgets the selected one. Every change is kept at once.
class CsvMappingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CsvMappingsDialog(QWidget* parent = nullptr);

private:
    void fill();
    void renamed(QListWidgetItem* item);
    void deleteSelected();
    void selectionChanged();
    static QString describe(const CsvSavedMapping& mapping);

    std::vector<CsvSavedMapping> m_mappings;
    QListWidget* m_list = nullptr;
    QPushButton* m_renameButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    bool m_filling = false;
};
