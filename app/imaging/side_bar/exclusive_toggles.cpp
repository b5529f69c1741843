// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/side_bar/exclusive_toggles.h"

ExclusiveToggles::Outcome ExclusiveToggles::click(Toggle toggle)
{
    if (busy_ && pressed_ != toggle)
        return Outcome::Refused;
    if (!busy_) {
        busy_ = true;
        pressed_ = toggle;
        return Outcome::Pressed;
    }
    busy_ = false;
    return Outcome::Released;
}
