#pragma once

#include <QMainWindow>

class Converter;
class QLabel;
class QLineEdit;
class QPushButton;
struct LegacyImportResult;

// kesh-import's one window: which legacy file it reads, which library it
// extends, and the button that runs the import.
class ConverterWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ConverterWindow(QWidget* parent = nullptr);

    Converter* converter() const { return m_converter; }

public slots:
    void chooseLegacyFile();
    void useDefaultLegacyFile();
    // Shows the files as they are on disk now.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createHeader();
    QWidget* createFileForm();
    void createActions();
    void updateConvertButton();
    void showOutcome(const LegacyImportResult& result);

    Converter* m_converter;
    QLineEdit* m_legacyFileField = nullptr;
    QLabel* m_legacyInfoLabel = nullptr;
    QLineEdit* m_dataFileField = nullptr;
    QLabel* m_dataInfoLabel = nullptr;
    QPushButton* m_convertButton = nullptr;
};
