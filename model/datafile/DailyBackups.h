#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Copies of the data file in "Kesh Backups" beside it. Each day keeps one
// ("Kesh Data 2026-12-09"): the library as it was before that day's first
// write. A copy can also be kept for a moment ("Kesh Data 2026-12-09
// 14.03.22"), e.g. the library before a restore. The newest days up to today
// are kept; copies dated after today (a wrong clock, a restored folder) are
// never removed. A file of an older format that kesh is about to replace is
// kept as "Kesh Data (format 1)" and never removed. Files in the folder that
// kesh did not name are never touched.
class DailyBackups {
    Q_DECLARE_TR_FUNCTIONS(DailyBackups)

public:
    // Days of copies kept, today's among them.
    static constexpr int kept = 14;

    explicit DailyBackups(const QString& dataFilePath);

    // "<folder of the data file>/Kesh Backups".
    QString folder() const;
    // The copy that `day` keeps.
    QString pathFor(QDate day) const;
    // A copy of that moment, to the second.
    QString pathFor(const QDateTime& moment) const;
    // The dated copies there are (real files, not links), oldest first.
    QStringList copies() const;
    // The day and, for a copy of a moment, the time a dated copy's name gives;
    // invalid for any other name.
    QDateTime dateOf(const QString& path) const;
    // The copies of older formats, in name order.
    QStringList formatCopies() const;
    // Where a copy of a file in `format` is kept.
    QString formatCopyPath(quint32 format) const;

    // Before a write of the data file: when today has no copy yet, keeps the
    // data file as it is now (the file a link points to), byte for byte, then
    // removes the copies of days beyond the `kept` newest up to today. Nothing
    // to keep when there is no data file yet. False with errorString() when
    // the copy could not be made; the library itself is not affected.
    bool keep();
    // Whether today has its copy.
    bool hasTodaysCopy() const;
    // Keeps `source`, a file of data format `format`, under formatCopyPath()
    // (or a numbered name beside it when another such copy is there).
    bool keepFormatCopy(const QString& source, quint32 format);
    // A new copy for now: today's when today has none yet, else one named
    // for this moment. Empty with errorString() when the folder cannot be made.
    QString newCopyPath();
    // Removes the copies of days beyond the `kept` newest up to today.
    void prune();

    QString errorString() const { return m_error; }

private:
    bool makeFolder();
    bool copyFile(const QString& source, const QString& target);

    QString m_dataFilePath;
    QString m_error;
};
