// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/rotation_hold.h"

#include <algorithm>

RotationHold::RotationHold(MillisecondsClock clock) : clock_(std::move(clock)) {}

void RotationHold::hold(const QImage &picture)
{
    held_ = picture;
    until_ = clock_() + kHoldMilliseconds;
    holding_ = true;
}

bool RotationHold::isActive() const
{
    return holding_ && clock_() < until_;
}

int RotationHold::remainingMilliseconds() const
{
    return isActive() ? int(std::min<long long>(until_ - clock_(), kHoldMilliseconds)) : 0;
}

QImage RotationHold::picture() const
{
    return isActive() ? held_ : QImage();
}
