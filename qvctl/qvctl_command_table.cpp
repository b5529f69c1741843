// SPDX-License-Identifier: GPL-3.0-or-later

#include "qvctl_command.h"

namespace qvctl {

const std::vector<Command> &commandTable()
{
    static const std::vector<Command> table = {
        {"discover", "", "find a camera by broadcast (needs --broadcast) and print its address",
         Needs::Broadcast, 0, runDiscover},
        {"version", "", "print the camera's version number", Needs::Camera, 0, runVersion},
        {"battery", "", "print the battery level (and charge, if reported)", Needs::Camera, 0,
         runBattery},
        {"resolutions", "", "list the stream resolutions the camera offers", Needs::Camera, 0,
         runResolutions},
        {"set-resolution", "WIDTHxHEIGHT", "select the stream resolution", Needs::Camera, 1,
         runSetResolution},
        {"autofocus", "on|off", "switch autofocus on or off", Needs::Camera, 1, runAutofocus},
        {"router", "SSID PASSWORD", "join the camera to a router's network (texts up to 32 bytes)",
         Needs::Camera, 2, runRouterMode},
        {"ap-mode", "", "reset the camera to its own access point", Needs::Camera, 0,
         runAccessPointMode},
        {"reboot", "", "reboot the camera", Needs::Camera, 0, runReboot},
        {"record", "SECONDS FILE", "record the live picture into an AVI file (Motion-JPEG, 15 fps)",
         Needs::Camera, 2, runRecord},
    };
    return table;
}

} // namespace qvctl
