// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/recording_clock.h"

#include <QLabel>
#include <QWidget>

RecordingClock::RecordingClock(QWidget *box, QLabel *time, MillisecondsClock clock, QObject *parent)
    : QObject(parent), box_(box), time_(time), clock_(std::move(clock))
{
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &RecordingClock::refresh);
    time_->setText(format(0));
    box_->hide();
}

void RecordingClock::start(const QPoint &place)
{
    startedAt_ = clock_();
    time_->setText(format(0));
    box_->move(place);
    box_->show();
    box_->raise();
    timer_.start();
}

void RecordingClock::stop()
{
    timer_.stop();
    time_->setText(format(0));
    box_->hide();
}

void RecordingClock::refresh()
{
    if (timer_.isActive())
        time_->setText(format(clock_() - startedAt_));
}

QString RecordingClock::text() const
{
    return time_->text();
}

QString RecordingClock::format(long long milliseconds)
{
    const long long seconds = milliseconds <= 0 ? 0 : (milliseconds + 500) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
