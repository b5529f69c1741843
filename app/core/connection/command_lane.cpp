#include "core/connection/command_lane.h"

CommandLane &CommandLane::shared()
{
    static CommandLane lane;
    return lane;
}
