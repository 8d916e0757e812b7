#pragma once

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QTimer>

class LibraryDocument;
class PreferencesManager;
class QWidget;
class QStatusBar;

// Enters the recurring records that fall due: when the library has opened
// and again at each local midnight. What was entered is told in the status
// bar; with the preference "AskBeforeEnteringRecurring" the user is asked
// first, and what is not entered now stays due for the next time.
class RecurringEntry : public QObject {
    Q_OBJECT

public:
    RecurringEntry(LibraryDocument* document, PreferencesManager* preferences, QWidget* window, QStatusBar* statusBar,
                   QObject* parent = nullptr);

    static QString askKey() { return QStringLiteral("AskBeforeEnteringRecurring"); }
    // How many names a message lists before "…".
    static constexpr int namesShown = 3;

    // Enters what is due today (asking first if the user wants); how many records it entered.
    int enterDue();
    // Arms the timer for the next local midnight.
    void armForMidnight();
    QTimer* midnightTimer() { return &m_midnight; }

    // "Rent, Salary, Phone, …": the distinct comments, at most namesShown of them.
    static QString namesOf(const QStringList& comments);

private:
    void midnight();

    LibraryDocument* m_document;
    PreferencesManager* m_preferences;
    QWidget* m_window;
    QStatusBar* m_statusBar;
    QTimer m_midnight;
};
