#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

// Stands in for the user at alerts: each alert that comes up is noted and
// answered with the next button text of the list (the last one repeats).
// `beforeAnswer` runs just before each click, e.g. to mend what failed.
class AlertAnswerer {
public:
    struct Alert {
        QString objectName;
        QString text;
        QString informativeText;
        QStringList buttons;
    };

    explicit AlertAnswerer(QStringList answers, std::function<void()> beforeAnswer = {})
        : m_answers(std::move(answers))
        , m_beforeAnswer(std::move(beforeAnswer)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        if (QCoreApplication::instance()) {
            start();
        }
    }

    // Timers need the application's event loop: an answerer made before the
    // application exists starts when the application is there.
    void start() { m_timer.start(5); }

    const QList<Alert>& alerts() const { return m_alerts; }

private:
    static QString plain(QString text) { return text.remove(QLatin1Char('&')); }

    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        Alert alert{box->objectName(), box->text(), box->informativeText(), {}};
        QAbstractButton* chosen = nullptr;
        const QString wanted = m_answers.at(qMin(qsizetype(m_alerts.size()), m_answers.size() - 1));
        const QList<QAbstractButton*> buttons = box->buttons();
        for (QAbstractButton* button : buttons) {
            alert.buttons.append(plain(button->text()));
            if (plain(button->text()) == wanted) {
                chosen = button;
            }
        }
        m_alerts.append(alert);
        if (m_beforeAnswer) {
            m_beforeAnswer();
        }
        // No such button: leave by the escape route so that the test fails rather than hangs.
        if (chosen) {
            chosen->click();
        } else {
            box->reject();
        }
    }

    QStringList m_answers;
    std::function<void()> m_beforeAnswer;
    QList<Alert> m_alerts;
    QTimer m_timer;
};
