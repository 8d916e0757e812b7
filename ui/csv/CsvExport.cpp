#include "CsvExport.h"

#include "Alert.h"
#include "LedgerFormat.h"
#include "StartFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

namespace {
const QString forSpreadsheetsKey = QStringLiteral("CsvExport/ForSpreadsheets");
}

CsvExport::CsvExport(IOList shown, IOList selected, QString bookName, QWidget* parent)
    : m_shown(std::move(shown))
    , m_selected(std::move(selected))
    , m_bookName(std::move(bookName))
    , m_parent(parent) {}

qint64 CsvExport::run() {
    const IOList* records = chooseRecords();
    if (!records) {
        return 0;
    }
    bool forSpreadsheets = false;
    const QString filePath = chooseFile(&forSpreadsheets);
    return filePath.isEmpty() ? 0 : runWithFile(*records, filePath, forSpreadsheets);
}

QString CsvExport::plainFilter() {
    return tr("CSV for kesh and other programs (*.csv)");
}

QString CsvExport::spreadsheetFilter() {
    return tr("CSV for spreadsheets in this language (*.csv)");
}

const IOList* CsvExport::chooseRecords() const {
    // One selected row is where the cursor stands, not a choice.
    if (m_selected.size() < 2 || m_selected.size() == m_shown.size()) {
        return &m_shown;
    }
    const QLocale locale;
    Alert alert(m_parent, QStringLiteral("exportWhichAlert"), Alert::Icon::Information,
                tr("Export the selected records or all the records shown?"),
                tr("%1 of the %2 records shown are selected.")
                    .arg(locale.toString(qulonglong(m_selected.size())), locale.toString(qulonglong(m_shown.size()))));
    const int selected = alert.addButton(tr("Selected Records"), QMessageBox::AcceptRole);
    const int all = alert.addButton(tr("All Records Shown"), QMessageBox::AcceptRole);
    const int cancel = alert.addButton(tr("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(selected);
    alert.setEscapeButton(cancel);
    const int answer = alert.exec();
    if (answer == selected) {
        return &m_selected;
    }
    return answer == all ? &m_shown : nullptr;
}

QString CsvExport::chooseFile(bool* forSpreadsheets) const {
    QString name = m_bookName;
    // A book name may hold what a file name cannot.
    name.replace(u'/', u'-');
    const QString start =
        QDir(StartFolder::documents()).filePath((name.isEmpty() ? tr("Records") : name) + QStringLiteral(".csv"));
    QSettings settings;
    QString filter = settings.value(forSpreadsheetsKey, false).toBool() ? spreadsheetFilter() : plainFilter();
    const QString path = QFileDialog::getSaveFileName(
        m_parent, tr("Export"), start, plainFilter() + QStringLiteral(";;") + spreadsheetFilter(), &filter);
    *forSpreadsheets = filter == spreadsheetFilter();
    if (!path.isEmpty()) {
        settings.setValue(forSpreadsheetsKey, *forSpreadsheets);
    }
    return path;
}

CsvRecordWriter::Options CsvExport::spreadsheetOptions(const IOList& records) {
    int needed = 0;
    for (const IOPtr& record : records) {
        if (const std::optional<Amount> amount = record->amount()) {
            needed = qMax(needed, LedgerFormat::decimalsOf(*amount));
        }
    }
    // The decimals the record table's amount column shows these records with.
    const LedgerFormat format;
    return CsvRecordWriter::forSpreadsheets(format.locale().decimalPoint() == u"," ? u',' : u'.',
                                            format.columnDecimals(needed));
}

qint64 CsvExport::runWithFile(const IOList& records, const QString& filePath, bool forSpreadsheets) {
    CsvRecordWriter writer;
    if (forSpreadsheets) {
        writer.setOptions(spreadsheetOptions(records));
    }
    if (!writer.write(records, filePath)) {
        Alert::inform(m_parent, QStringLiteral("exportFailedAlert"), Alert::Icon::Warning,
                      tr("The records could not be exported."),
                      tr("Writing “%1” failed: %2").arg(QDir::toNativeSeparators(filePath), writer.errorString()));
        return 0;
    }
    return qint64(records.size());
}
