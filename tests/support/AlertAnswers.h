#pragma once

#include "Alert.h"

#include <QStringList>

#include <functional>

// Stands in for the user at alerts for as long as it lives: each alert is
// noted and answered with the next button text of the list (the last one
// repeats). `beforeAnswer` runs just before each answer, e.g. to mend what failed.
class AlertAnswers {
public:
    explicit AlertAnswers(QStringList answers, std::function<void()> beforeAnswer = {})
        : m_answers(std::move(answers))
        , m_beforeAnswer(std::move(beforeAnswer)) {
        Alert::clearShownAlerts();
        Alert::setAnswerer([this](const Alert::Shown&) {
            if (m_beforeAnswer) {
                m_beforeAnswer();
            }
            const qsizetype shown = Alert::shownAlerts().size() - 1;
            return m_answers.value(qMin(shown, m_answers.size() - 1));
        });
    }
    ~AlertAnswers() { Alert::setAnswerer({}); }
    AlertAnswers(const AlertAnswers&) = delete;
    AlertAnswers& operator=(const AlertAnswers&) = delete;

    const QList<Alert::Shown>& alerts() const { return Alert::shownAlerts(); }

private:
    QStringList m_answers;
    std::function<void()> m_beforeAnswer;
};
