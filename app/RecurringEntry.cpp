#include "RecurringEntry.h"

#include "Alert.h"
#include "Clock.h"
#include "LibraryDocument.h"
#include "PreferencesManager.h"

#include <QStatusBar>

#include <algorithm>
#include <chrono>

namespace {

QStringList commentsOf(const IOList& records) {
    QStringList comments;
    for (const IOPtr& record : records) {
        comments.append(record->comment());
    }
    return comments;
}

} // namespace

RecurringEntry::RecurringEntry(LibraryDocument* document, PreferencesManager* preferences, QWidget* window,
                               QStatusBar* statusBar, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_preferences(preferences)
    , m_window(window)
    , m_statusBar(statusBar) {
    m_midnight.setSingleShot(true);
    // A coarse timer may fire a little early; the day is read again when it does.
    m_midnight.setTimerType(Qt::PreciseTimer);
    connect(&m_midnight, &QTimer::timeout, this, &RecurringEntry::midnight);
}

QString RecurringEntry::namesOf(const QStringList& comments) {
    QStringList names;
    bool more = false;
    for (const QString& comment : comments) {
        const QString name = comment.trimmed().isEmpty() ? tr("(no comment)") : comment.trimmed();
        if (names.contains(name)) {
            continue;
        }
        if (names.size() == namesShown) {
            more = true;
            break;
        }
        names.append(name);
    }
    if (more) {
        names.append(QStringLiteral("…"));
    }
    return names.join(QStringLiteral(", "));
}

int RecurringEntry::enterDue() {
    const QDate today = Clock::today();
    const IOList due = m_document->dueRecurringRecords(today);
    if (due.empty()) {
        return 0;
    }
    const int count = int(due.size());
    if (m_preferences->boolForKey(askKey())) {
        Alert alert(m_window, QStringLiteral("enterRecurringAlert"), Alert::Icon::Information,
                    tr("Enter %n recurring record(s)?", nullptr, count), namesOf(commentsOf(due)));
        const int enter = alert.addButton(tr("Enter"), QMessageBox::AcceptRole);
        const int later = alert.addButton(tr("Not Now"), QMessageBox::RejectRole);
        alert.setDefaultButton(enter);
        alert.setEscapeButton(later);
        if (alert.exec() != enter) {
            return 0;
        }
    }
    const IOList entered = m_document->enterDueRecurringRecords(today);
    if (entered.empty()) {
        return 0;
    }
    m_statusBar->showMessage(
        tr("%n recurring record(s) entered: %1", nullptr, int(entered.size())).arg(namesOf(commentsOf(entered))));
    return int(entered.size());
}

void RecurringEntry::armForMidnight() {
    const QDateTime now = Clock::now();
    const QDateTime next = QDateTime(now.date().addDays(1), QTime(0, 0));
    // A second past, so that the new day is surely today when it fires.
    const qint64 wait = std::max<qint64>(now.msecsTo(next), 0) + 1000;
    m_midnight.start(std::chrono::milliseconds(wait));
}

void RecurringEntry::midnight() {
    enterDue();
    armForMidnight();
}
