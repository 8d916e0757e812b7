#pragma once

#include "CsvSavedMapping.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The line of the import dialog about kept mappings: which one the dialog
// uses, the name the settings are kept under when the user imports, and the
// button that lists every kept mapping to rename or delete it.
class CsvMappingBar : public QWidget {
    Q_OBJECT

public:
    // `newName` is the name offered for settings no kept mapping gave.
    explicit CsvMappingBar(const QString& newName, QWidget* parent = nullptr);

    void setApplied(const CsvSavedMapping& saved);
    // The name to keep the settings under: the one typed, or the one offered.
    QString name() const;

private:
    void showApplied();
    void editMappings();

    QString m_newName;
    QString m_appliedName;
    std::optional<CsvFileShape> m_appliedShape;
    QLabel* m_label = nullptr;
    QLineEdit* m_nameField = nullptr;
    QPushButton* m_mappingsButton = nullptr;
};
