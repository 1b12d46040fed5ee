#pragma once

#include <QApplication>
#include <QTimer>

// Calls act with the first modal dialog of type T that shows up, so a test
// can answer a dialog that a slot runs with exec(). Gives up after 5 s.
template <typename T, typename F> void onModal(F act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, ticks]() mutable {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
