#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Waits for the next modal dialog of type T and hands it to `answer`. Both
// waits have a deadline that fails the running test saying what it waited
// for: the dialog to come, and, once answered, to close. A dialog still open
// then is rejected, so the test goes on instead of hanging in its exec().
template <typename T> void whenModal(std::function<void(T*)> answer, int timeoutMs = 5000) {
    struct Wait {
        QElapsedTimer since;
        bool answered = false;
        QPointer<T> dialog;
    };
    auto wait = std::make_shared<Wait>();
    wait->since.start();
    // The application's child: it goes with the application a test ends.
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(10);
    const auto finish = [timer] {
        timer->stop();
        timer->deleteLater();
    };
    QObject::connect(timer, &QTimer::timeout, [wait, answer, timeoutMs, finish] {
        const char* type = T::staticMetaObject.className();
        if (!wait->answered) {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                wait->answered = true;
                wait->dialog = dialog;
                wait->since.restart();
                answer(dialog);
            } else if (wait->since.hasExpired(timeoutMs)) {
                ADD_FAILURE() << "waited " << timeoutMs << " ms for a modal " << type << " that did not come";
                finish();
            }
            return;
        }
        if (!wait->dialog || !wait->dialog->isVisible()) {
            finish();
        } else if (wait->since.hasExpired(timeoutMs)) {
            ADD_FAILURE() << "the modal " << type << " was answered but still open after " << timeoutMs << " ms";
            wait->dialog->reject();
            finish();
        }
    });
    timer->start();
}
