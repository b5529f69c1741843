// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RECORDING_CLOCK_H
#define CORVANE_RECORDING_CLOCK_H

// The recording clock: the blue box `widget_luxiang` with the elapsed time
// of the running recording ("hh:mm:ss" in `luxiang_mic`), shown beside the
// tool bar's record button while a video or screen recording runs.
//
// The time shown is read from a monotonic clock, not counted in timer
// ticks: a tick that comes late (a busy GUI thread) does not make the clock
// fall behind the recording. The one-second timer only refreshes the text,
// rounding to the nearest second so a tick a little early or late shows
// the second it belongs to. Starting again restarts from 00:00:00 at the
// new place; stopping resets the text to "00:00:00" and hides the box.
//
// Thread rules: GUI thread only. The box and the label belong to the
// window's form; the timer is this object's child.

#include "imaging/transforms/milliseconds_clock.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QLabel;
class QWidget;

class RecordingClock : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 1000;

    RecordingClock(QWidget *box, QLabel *time, MillisecondsClock clock = steadyMillisecondsClock(),
                   QObject *parent = nullptr);

    // Shows the box at `place` (window coordinates) from 00:00:00.
    void start(const QPoint &place);
    void stop();
    bool running() const { return timer_.isActive(); }

    // Shows the time elapsed now; the timer calls it every second.
    void refresh();
    QString text() const;
    QTimer &timer() { return timer_; }

    // "hh:mm:ss" of a duration; hours go on past 23.
    static QString format(long long milliseconds);

private:
    QWidget *box_;
    QLabel *time_;
    MillisecondsClock clock_;
    long long startedAt_ = 0;
    QTimer timer_;
};

#endif
