#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

// Dated copies of the data file in "Kesh Backups" beside it: the first save
// of each day keeps one ("Kesh Data 2026-12-09"), and only the newest few are
// kept. Files in the folder that are not such copies are never touched.
class DailyBackups {
    Q_DECLARE_TR_FUNCTIONS(DailyBackups)

public:
    static constexpr int kept = 14;

    explicit DailyBackups(const QString& dataFilePath);

    // "<folder of the data file>/Kesh Backups".
    QString folder() const;
    // The copy that `day` keeps.
    QString pathFor(QDate day) const;
    // The dated copies there are, oldest first.
    QStringList copies() const;

    // After a save: keeps today's copy of the data file when there is none
    // yet, then removes the oldest copies beyond `kept`. False with
    // errorString() when the copy could not be made; the save itself stands.
    bool keep();
    QString errorString() const { return m_error; }

private:
    QString m_dataFilePath;
    QString m_error;
};
