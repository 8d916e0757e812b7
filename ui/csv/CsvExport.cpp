#include "CsvExport.h"

#include "Alert.h"
#include "LedgerFormat.h"
#include "QifWriter.h"
#include "RegularFile.h"
#include "StartFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSettings>

namespace {
const QString forSpreadsheetsKey = QStringLiteral("CsvExport/ForSpreadsheets");
const QString formatKey = QStringLiteral("CsvExport/Format");
} // namespace

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
    Format format = Format::Plain;
    const QString filePath = chooseFile(&format);
    return filePath.isEmpty() ? 0 : runWithFile(*records, filePath, format);
}

QString CsvExport::plainFilter() {
    return tr("CSV for kesh and other programs (*.csv)");
}

QString CsvExport::spreadsheetFilter() {
    return tr("CSV for spreadsheets in this language (*.csv)");
}

QString CsvExport::qifFilter() {
    return tr("QIF for programs that read bank statements (*.qif)");
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

QString CsvExport::chooseFile(Format* format) const {
    QString name = m_bookName;
    // A book name may hold what a file name cannot.
    name.replace(u'/', u'-');
    QSettings settings;
    // Kept by versions that offered the two kinds of CSV only.
    const Format last =
        Format(settings
                   .value(formatKey, int(settings.value(forSpreadsheetsKey, false).toBool() ? Format::Spreadsheets
                                                                                            : Format::Plain))
                   .toInt());
    const QString filters[] = {plainFilter(), spreadsheetFilter(), qifFilter()};
    QString filter = last >= Format::Plain && last <= Format::Qif ? filters[int(last)] : plainFilter();
    const QString start = QDir(StartFolder::documents())
                              .filePath((name.isEmpty() ? tr("Records") : name) +
                                        (filter == qifFilter() ? QStringLiteral(".qif") : QStringLiteral(".csv")));
    QString path = QFileDialog::getSaveFileName(
        m_parent, tr("Export"), start, QStringList(std::begin(filters), std::end(filters)).join(u";;"), &filter);
    *format = filter == spreadsheetFilter() ? Format::Spreadsheets
              : filter == qifFilter()       ? Format::Qif
                                            : Format::Plain;
    if (!path.isEmpty()) {
        settings.setValue(formatKey, int(*format));
        settings.setValue(forSpreadsheetsKey, *format == Format::Spreadsheets);
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
    return runWithFile(records, filePath, forSpreadsheets ? Format::Spreadsheets : Format::Plain);
}

bool CsvExport::writeQif(const IOList& records, const QString& filePath, QString* error) const {
    // Only a regular file is replaced: a device or a FIFO there stays what it is.
    RegularFile target;
    if (!target.check(filePath) && target.status() == RegularFile::Status::NotAFile) {
        *error = target.errorString();
        return false;
    }
    QSaveFile file(filePath);
    QifWriter writer;
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!writer.write(records, &file)) {
        file.cancelWriting();
        *error = writer.errorString();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

qint64 CsvExport::runWithFile(const IOList& records, const QString& filePath, Format format) {
    QString error;
    bool written = false;
    if (format == Format::Qif) {
        written = writeQif(records, filePath, &error);
    } else {
        CsvRecordWriter writer;
        if (format == Format::Spreadsheets) {
            writer.setOptions(spreadsheetOptions(records));
        }
        written = writer.write(records, filePath);
        error = writer.errorString();
    }
    if (!written) {
        Alert::inform(m_parent, QStringLiteral("exportFailedAlert"), Alert::Icon::Warning,
                      tr("The records could not be exported."),
                      tr("Writing “%1” failed: %2").arg(QDir::toNativeSeparators(filePath), error));
        return 0;
    }
    return qint64(records.size());
}
