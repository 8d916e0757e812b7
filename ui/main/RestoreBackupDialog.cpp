#include "RestoreBackupDialog.h"

#include "Alert.h"
#include "LedgerFormat.h"
#include "LibraryDocument.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int indexRole = Qt::UserRole;
} // namespace

RestoreBackupDialog::RestoreBackupDialog(const QString& dataFilePath, DataRootPtr library, QWidget* parent)
    : QDialog(parent)
    , m_library(std::move(library))
    , m_backups(BackupFile::listFor(dataFilePath)) {
    setObjectName(QStringLiteral("restoreBackupDialog"));
    setWindowTitle(tr("Restore from Backup"));
    buildLayout();
    const QLocale locale;
    for (std::size_t index = 0; index < m_backups.size(); ++index) {
        auto* item = new QTreeWidgetItem(m_backupListView);
        item->setText(BackupColumn, nameOf(m_backups[index]));
        item->setText(RecordsColumn, tr("Reading…"));
        item->setToolTip(BackupColumn, QDir::toNativeSeparators(m_backups[index].path()));
        item->setData(BackupColumn, indexRole, qulonglong(index));
        for (const int column : {RecordsColumn, DifferenceColumn}) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (m_backups.empty()) {
        m_detailLabel->setText(tr("There are no backups yet. kesh keeps the library as it was before each save "
                                  "and before the first change of each day."));
    } else {
        m_backupListView->setCurrentItem(m_backupListView->topLevelItem(0));
    }
    currentChanged();
    // Once the window shows: a large library takes a moment to read.
    QTimer::singleShot(0, this, &RestoreBackupDialog::readNext);
}

void RestoreBackupDialog::buildLayout() {
    auto* intro = new QLabel(tr("Choose the backup to restore. Your library as it is now is kept as a backup "
                                "first, and Edit › Undo takes the restore back."));
    intro->setWordWrap(true);

    m_backupListView = new QTreeWidget;
    m_backupListView->setObjectName(QStringLiteral("backupListView"));
    m_backupListView->setAccessibleName(tr("Backups"));
    m_backupListView->setRootIsDecorated(false);
    m_backupListView->setUniformRowHeights(true);
    m_backupListView->setHeaderLabels(
        {tr("Backup"), tr("Records"), tr("First Record"), tr("Last Record"), tr("Difference")});
    m_backupListView->header()->setStretchLastSection(false);
    m_backupListView->header()->setSectionResizeMode(BackupColumn, QHeaderView::Stretch);
    for (int column = RecordsColumn; column < ColumnCount; ++column) {
        m_backupListView->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    connect(m_backupListView, &QTreeWidget::currentItemChanged, this, &RestoreBackupDialog::currentChanged);
    connect(m_backupListView, &QTreeWidget::itemActivated, this, &RestoreBackupDialog::restoreSelected);

    m_detailLabel = new QLabel;
    m_detailLabel->setObjectName(QStringLiteral("backupDetailLabel"));
    m_detailLabel->setWordWrap(true);
    m_detailLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    m_restoreButton = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(m_restoreButton, &QPushButton::clicked, this, &RestoreBackupDialog::restoreSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_backupListView, 1);
    layout->addWidget(m_detailLabel);
    layout->addWidget(buttons);
    const int line = fontMetrics().height();
    resize(line * 46, line * 22);
}

QString RestoreBackupDialog::nameOf(const BackupFile& backup) const {
    // Days as the record table writes them, with the year in full.
    const LedgerFormat format;
    const QString moment = format.formatDate(backup.when().date()) + QLatin1Char(' ') +
                           format.locale().toString(backup.when().time(), QLocale::ShortFormat);
    switch (backup.kind()) {
    case BackupFile::Kind::Previous:
        return tr("Before the last save, %1").arg(moment);
    case BackupFile::Kind::Day:
        return tr("Before the first change of %1").arg(format.formatDate(backup.when().date()));
    case BackupFile::Kind::Moment:
        return tr("Kept %1").arg(moment);
    case BackupFile::Kind::OlderFormat:
        return tr("Older format, last saved %1").arg(moment);
    }
    return {};
}

QString RestoreBackupDialog::differenceText(std::size_t backupCount) const {
    const std::size_t now = m_library->mainLibrary()->count();
    if (backupCount == now) {
        return tr("same");
    }
    const QLocale locale;
    return backupCount > now ? locale.positiveSign() + locale.toString(qulonglong(backupCount - now))
                             : locale.negativeSign() + locale.toString(qulonglong(now - backupCount));
}

void RestoreBackupDialog::readNext() {
    if (isReadingDone()) {
        return;
    }
    const std::size_t index = m_nextToRead++;
    // Only what the list shows is kept; the library read goes at once.
    m_backups[index].load();
    showRead(index);
    QTimer::singleShot(0, this, &RestoreBackupDialog::readNext);
}

void RestoreBackupDialog::showRead(std::size_t index) {
    const BackupFile& backup = m_backups[index];
    QTreeWidgetItem* item = m_backupListView->topLevelItem(int(index));
    if (!backup.isRead()) {
        item->setText(RecordsColumn, tr("Cannot be read"));
        item->setToolTip(RecordsColumn, backup.errorString());
    } else {
        const LedgerFormat format;
        const QLocale& locale = format.locale();
        const auto dayText = [&format](QDate day) {
            return day.isValid() ? format.formatDate(day) : QStringLiteral("—");
        };
        item->setText(RecordsColumn, locale.toString(qulonglong(backup.recordCount())));
        item->setText(FirstColumn, dayText(backup.firstDay()));
        item->setText(LastColumn, dayText(backup.lastDay()));
        item->setText(DifferenceColumn, differenceText(backup.recordCount()));
    }
    if (item == m_backupListView->currentItem()) {
        currentChanged();
    }
}

BackupFile* RestoreBackupDialog::currentBackup() {
    const QTreeWidgetItem* item = m_backupListView->currentItem();
    return item ? &m_backups[std::size_t(item->data(BackupColumn, indexRole).toULongLong())] : nullptr;
}

void RestoreBackupDialog::currentChanged() {
    const BackupFile* backup = currentBackup();
    m_restoreButton->setEnabled(backup && backup->isRead());
    if (!backup) {
        return;
    }
    const QString where = QDir::toNativeSeparators(backup->path());
    const bool tried = std::size_t(m_backupListView->currentIndex().row()) < m_nextToRead;
    m_detailLabel->setText(
        !tried || backup->isRead() ? where : tr("“%1” cannot be read: %2").arg(where, backup->errorString()));
}

bool RestoreBackupDialog::confirmLargeRemoval(std::size_t backupCount) {
    const std::size_t now = m_library->mainLibrary()->count();
    const std::size_t removed = now > backupCount ? now - backupCount : 0;
    if (!LibraryDocument::isLargeRemoval(removed, now)) {
        return true;
    }
    const QLocale locale;
    Alert alert(this, QStringLiteral("largeRestoreAlert"), Alert::Icon::Warning,
                tr("Restore a backup with %Ln record(s) fewer?", nullptr, int(removed)),
                tr("Your library has %1 records now; the backup has %2. Edit › Undo brings the library as it is now "
                   "back.")
                    .arg(locale.toString(qulonglong(now)), locale.toString(qulonglong(backupCount))));
    const int restore = alert.addButton(tr("Restore"), QMessageBox::DestructiveRole);
    const int keep = alert.addButton(tr("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(keep);
    alert.setEscapeButton(keep);
    return alert.exec() == restore;
}

void RestoreBackupDialog::restoreSelected() {
    BackupFile* backup = currentBackup();
    if (!backup || !backup->isRead()) {
        return;
    }
    // Read again: the file may have changed since the list was read, and the
    // list keeps no library in memory.
    const DataRootPtr library = backup->load();
    showRead(std::size_t(m_backupListView->currentIndex().row()));
    if (!library || !confirmLargeRemoval(backup->recordCount())) {
        return;
    }
    emit restoreChosen(library, nameOf(*backup));
    accept();
}
