#pragma once
// Running the event loop from a test while it waits for something to happen.
#include <QCoreApplication>
#include <QElapsedTimer>

// Runs the event loop until Done() or the time limit; true when Done().
template <class F> bool PumpUntil(F Done, int LimitMs = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!Done() && t.elapsed() < LimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return Done();
}

// Runs the event loop for Ms milliseconds.
inline void PumpFor(int Ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
