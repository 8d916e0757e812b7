#pragma once

#include "BackupFile.h"
#include "DataRoot.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

// File › Restore from Backup…: lists the backups of the library (the
// previous version beside the data file, the dated copies, the files of older
// formats) with their day, their records, the first and last day of those
// and how many records more or fewer than the library has now. The backups
// are read one after the other once the window shows, never written. Restore
// reads the chosen one again and, after asking when it would take many
// records away, hands it over as the library to put in place.
class RestoreBackupDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { BackupColumn, RecordsColumn, FirstColumn, LastColumn, DifferenceColumn, ColumnCount };

    RestoreBackupDialog(const QString& dataFilePath, DataRootPtr library, QWidget* parent = nullptr);

    QTreeWidget* backupListView() const { return m_backupListView; }
    QPushButton* restoreButton() const { return m_restoreButton; }
    // Every backup listed has been read (or found unreadable).
    bool isReadingDone() const { return m_nextToRead >= m_backups.size(); }

signals:
    // The user chose the library read from a backup, named as the list names it.
    void restoreChosen(const DataRootPtr& backup, const QString& backupName);

private:
    void buildLayout();
    void readNext();
    void showRead(std::size_t index);
    void currentChanged();
    void restoreSelected();
    bool confirmLargeRemoval(std::size_t backupCount);
    QString nameOf(const BackupFile& backup) const;
    QString differenceText(std::size_t backupCount) const;
    // The backup of the current row; null when none is chosen.
    BackupFile* currentBackup();

    DataRootPtr m_library;
    std::vector<BackupFile> m_backups;
    std::size_t m_nextToRead = 0;

    QTreeWidget* m_backupListView = nullptr;
    QLabel* m_detailLabel = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
