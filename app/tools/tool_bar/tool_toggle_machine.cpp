// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/tool_bar/tool_toggle_machine.h"

bool ToolToggleMachine::toggle(Tool tool)
{
    if (active_ && on_ != tool)
        return false;
    active_ = !active_;
    on_ = tool;
    return true;
}
