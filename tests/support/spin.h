#pragma once
// Waiting in widget tests with the event loop running, for things that arrive from other
// threads or processes (decoded pictures, mixer events).

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop for ms milliseconds.
inline void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() holds or limitMs passed; tells whether done() held.
inline bool SpinUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) return false;
        Spin(10);
    }
    return true;
}
