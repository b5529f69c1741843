// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ROTATION_HOLD_H
#define CORVANE_ROTATION_HOLD_H

// After a quarter turn the live page keeps showing the picture of the moment
// of the click for 300 ms, so the turn does not flicker through frames that
// were already on their way in the old orientation.
//
// Measured on a monotonic clock: a wall clock would end the hold early (or
// make it last a day) when it passes midnight or is set.
//
// Thread rules: GUI thread only.

#include "imaging/transforms/milliseconds_clock.h"

#include <QImage>

class RotationHold {
public:
    static constexpr int kHoldMilliseconds = 300;

    explicit RotationHold(MillisecondsClock clock = steadyMillisecondsClock());

    // Holds `picture` from now for kHoldMilliseconds; a new hold replaces
    // the running one.
    void hold(const QImage &picture);
    bool isActive() const;
    // Milliseconds until the hold ends (0 when it has).
    int remainingMilliseconds() const;
    // The held picture while active, a null picture after.
    QImage picture() const;

private:
    MillisecondsClock clock_;
    QImage held_;
    long long until_ = 0;
    bool holding_ = false;
};

#endif
