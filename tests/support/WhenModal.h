#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Waits for the next modal dialog of type T and hands it to `answer`.
template <typename T> void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}
