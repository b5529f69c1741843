// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/command_lane.h"

CommandLane &CommandLane::shared()
{
    static CommandLane lane;
    return lane;
}
