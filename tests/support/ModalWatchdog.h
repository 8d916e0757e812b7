#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// For as long as it lives: a modal window that stays open longer than any
// test keeps one was answered by nobody. The running test fails saying which
// window it was, and the window is closed, so the test goes on and the run
// ends instead of waiting for ctest's timeout.
class ModalWatchdog {
public:
    static constexpr int limitMs = 10000;

    // The application's child: a test that ends the application ends the watch.
    ModalWatchdog()
        : m_timer(new QTimer(QCoreApplication::instance())) {
        m_timer->setInterval(200);
        QObject::connect(m_timer, &QTimer::timeout, [this] { check(); });
        m_timer->start();
    }
    ~ModalWatchdog() { delete m_timer; }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != m_modal) {
            m_modal = modal;
            m_since.start();
            return;
        }
        if (!m_modal || !m_since.hasExpired(limitMs)) {
            return;
        }
        ADD_FAILURE() << "a modal " << m_modal->metaObject()->className() << " \""
                      << m_modal->windowTitle().toStdString() << "\" stayed open for " << limitMs / 1000
                      << " s: nothing in the test answered it";
        if (auto* dialog = qobject_cast<QDialog*>(m_modal.data())) {
            dialog->reject();
        } else {
            m_modal->close();
        }
        m_modal = nullptr;
    }

    QPointer<QTimer> m_timer;
    QPointer<QWidget> m_modal;
    QElapsedTimer m_since;
};
