#include "ConverterWindow.h"

#include "Converter.h"
#include "LegacyPreview.h"
#include "LegacySlot.h"
#include "RegularFile.h"
#include "ShownPath.h"
#include "StartFolder.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int headerIconSize = 48;

QString legacyFileInfo(const QString& path) {
    RegularFile file;
    if (!file.check(path)) {
        return file.status() == RegularFile::Status::NoFile
                   ? ConverterWindow::tr("Not found. Choose the file, or put it there.")
                   : file.errorString();
    }
    const QFileInfo info(path);
    return ConverterWindow::tr("%1, room for %Ln records", nullptr,
                               LegacyPreview::trCount(info.size() / LegacySlot::size))
        .arg(QLocale().formattedDataSize(info.size()));
}

QString dataFileInfo(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return ConverterWindow::tr("Not there yet: the import creates it.");
    }
    return ConverterWindow::tr("%1. Its main library gets the records; nothing else changes.")
        .arg(QLocale().formattedDataSize(info.size()));
}

QLineEdit* createPathField(const QString& objectName) {
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setMinimumWidth(320);
    return field;
}

QLabel* createInfoLabel(const QString& objectName) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}
} // namespace

ConverterWindow::ConverterWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_converter(new Converter(this, this)) {
    setObjectName(QStringLiteral("converterWindow"));
    setWindowTitle(tr("Kesh Import"));
    setMinimumWidth(560);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    layout->setSpacing(2 * std::max(spacing, 6));
    layout->addWidget(createHeader());
    layout->addWidget(createFileForm());
    layout->addStretch();

    auto* buttons = new QDialogButtonBox;
    m_convertButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_convertButton->setObjectName(QStringLiteral("convertButton"));
    QPushButton* quitButton = buttons->addButton(tr("&Quit"), QDialogButtonBox::RejectRole);
    quitButton->setObjectName(QStringLiteral("quitButton"));
    quitButton->setAutoDefault(false);
    layout->addWidget(buttons);
    setCentralWidget(central);

    connect(m_convertButton, &QPushButton::clicked, m_converter, &Converter::convert);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_converter, &Converter::legacyFilePathChanged, this, &ConverterWindow::refresh);
    connect(m_converter, &Converter::converted, this, &ConverterWindow::showOutcome);

    createActions();
    statusBar()->setSizeGripEnabled(false);
    refresh();
    m_convertButton->setFocus();
}

QWidget* ConverterWindow::createHeader() {
    auto* header = new QWidget;
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);

    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(headerIconSize, headerIconSize));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon);

    auto* texts = new QVBoxLayout;
    auto* title = new QLabel(tr("Import a legacy library"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title->setFont(titleFont);
    auto* intro =
        new QLabel(tr("Adds every record of a library kept with the older ledger program to your kesh library. "
                      "Quit kesh before you import; you see how many records there are before anything is "
                      "written."));
    intro->setWordWrap(true);
    texts->addWidget(title);
    texts->addWidget(intro);
    layout->addLayout(texts, 1);
    return header;
}

QWidget* ConverterWindow::createFileForm() {
    auto* form = new QWidget;
    auto* layout = new QFormLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    m_legacyFileField = createPathField(QStringLiteral("legacyFileField"));
    // Its row holds a button too, so the row's label is no buddy of it.
    m_legacyFileField->setAccessibleName(tr("Legacy library to read from"));
    auto* chooseButton = new QPushButton(tr("&Choose…"));
    chooseButton->setObjectName(QStringLiteral("chooseButton"));
    chooseButton->setAutoDefault(false);
    connect(chooseButton, &QPushButton::clicked, this, &ConverterWindow::chooseLegacyFile);
    auto* legacyRow = new QHBoxLayout;
    legacyRow->addWidget(m_legacyFileField, 1);
    legacyRow->addWidget(chooseButton);
    layout->addRow(tr("Read from:"), legacyRow);
    m_legacyInfoLabel = createInfoLabel(QStringLiteral("legacyInfoLabel"));
    layout->addRow(QString(), m_legacyInfoLabel);

    m_dataFileField = createPathField(QStringLiteral("dataFileField"));
    layout->addRow(tr("Add to:"), m_dataFileField);
    m_dataInfoLabel = createInfoLabel(QStringLiteral("dataInfoLabel"));
    layout->addRow(QString(), m_dataInfoLabel);
    return form;
}

void ConverterWindow::createActions() {
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QAction* choose = fileMenu->addAction(tr("&Choose Legacy Library…"), this, &ConverterWindow::chooseLegacyFile);
    choose->setShortcut(QKeySequence::Open);
    fileMenu->addAction(tr("Use the &Default Library"), this, &ConverterWindow::useDefaultLegacyFile);
    fileMenu->addSeparator();
    QAction* convert = fileMenu->addAction(tr("&Import"), m_converter, &Converter::convert);
    convert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    fileMenu->addSeparator();
    QAction* quit = fileMenu->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addAction(tr("&About Kesh Import"), this, [this] {
        QMessageBox::about(this, tr("About Kesh Import"),
                           tr("<b>Kesh Import</b> %1<p>Adds the records of a legacy ledger library to the kesh "
                              "library.</p>")
                               .arg(QApplication::applicationVersion()));
    });
}

void ConverterWindow::chooseLegacyFile() {
    const QString start = StartFolder::nearestExisting(m_converter->effectiveLegacyFilePath());
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose a Legacy Library"), start, QString());
    if (!path.isEmpty()) {
        m_converter->setLegacyFilePath(path);
    }
}

void ConverterWindow::useDefaultLegacyFile() {
    m_converter->setLegacyFilePath(QString());
}

void ConverterWindow::refresh() {
    const QString legacy = m_converter->effectiveLegacyFilePath();
    m_legacyFileField->setText(ShownPath::of(legacy));
    m_legacyFileField->setToolTip(QDir::toNativeSeparators(legacy));
    m_legacyFileField->setCursorPosition(0);
    m_legacyInfoLabel->setText(legacyFileInfo(legacy));

    const QString data = m_converter->dataFilePath();
    m_dataFileField->setText(ShownPath::of(data));
    m_dataFileField->setToolTip(QDir::toNativeSeparators(data));
    m_dataFileField->setCursorPosition(0);
    m_dataInfoLabel->setText(dataFileInfo(data));
    updateConvertButton();
}

// Return imports a file only while this window has not imported it: a
// second Return after an import does nothing.
void ConverterWindow::updateConvertButton() {
    const bool fresh = !m_converter->wasImported(m_converter->effectiveLegacyFilePath());
    m_convertButton->setDefault(fresh);
    m_convertButton->setAutoDefault(fresh);
}

void ConverterWindow::changeEvent(QEvent* event) {
    // Files may have come or gone while another program had the focus.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        refresh();
    }
    QMainWindow::changeEvent(event);
}

void ConverterWindow::showOutcome(const LegacyImportResult& result) {
    refresh();
    if (result.succeeded()) {
        statusBar()->showMessage(tr("Imported %Ln records.", nullptr, LegacyPreview::trCount(result.imported)));
    } else if (result.outcome == LegacyImportResult::Outcome::Cancelled) {
        statusBar()->showMessage(tr("Import cancelled: nothing was changed."));
    } else {
        statusBar()->showMessage(tr("Nothing was imported."));
    }
}
