// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_WAIT_WITHOUT_EVENTS_H
#define CORVANE_TEST_WAIT_WITHOUT_EVENTS_H

// Waits for a condition without running the event loop, as a stalled GUI
// thread would: work of other threads goes on, nothing queued to this one
// is delivered. False when the condition still fails after the timeout.

#include <QElapsedTimer>
#include <QThread>

template <typename Condition>
bool waitWithoutEvents(Condition condition, int timeoutMs = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}

#endif
