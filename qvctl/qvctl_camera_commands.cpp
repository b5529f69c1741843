// SPDX-License-Identifier: GPL-3.0-or-later

// The subcommands that talk to a camera, each one library call or two.

#include "qvctl_command.h"
#include "qvctl_output.h"

#include "qv_camera.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace qvctl {

namespace {

constexpr size_t kTextFieldBytes = 32;

int reportResult(int ok, const char *what, const Invocation &in)
{
    if (ok) {
        std::fprintf(answers(), "%s: done\n", what);
        return kExitOk;
    }
    std::fprintf(stderr, "qvctl: %s: camera at %s did not confirm\n", what, in.camera.c_str());
    return kExitCameraFailed;
}

int noAnswer(const Invocation &in)
{
    std::fprintf(stderr, "qvctl: no answer from camera at %s\n", in.camera.c_str());
    return kExitCameraFailed;
}

// "1920x1080" to two positive numbers that fit the command's 16-bit fields.
bool parseSize(const std::string &text, int &width, int &height)
{
    char *end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || (*end != 'x' && *end != 'X'))
        return false;
    const char *second = end + 1;
    const long h = std::strtol(second, &end, 10);
    if (end == second || *end != '\0')
        return false;
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// The sizes the camera lists, each once, in the camera's order (a camera may
// list a size twice). False when it did not answer.
bool offeredSizes(const Invocation &in, std::vector<ResolutionEntry> &sizes)
{
    ResolutionList *list = QV_SendGetResolution(in.camera.c_str());
    if (!list)
        return false;
    for (const ResolutionEntry &e : list->entries) {
        if (e.width == 0)
            continue;
        bool seen = false;
        for (const ResolutionEntry &kept : sizes)
            seen = seen || (kept.width == e.width && kept.height == e.height);
        if (!seen)
            sizes.push_back(e);
    }
    std::free(list);
    return true;
}

} // namespace

int runDiscover(const Invocation &in)
{
    char address[32] = {};
    const int version = QV_SendGetVersionWithIp(in.broadcast.c_str(), address);
    if (version <= 0) {
        std::fprintf(stderr, "qvctl: no camera answered on %s\n", in.broadcast.c_str());
        return kExitCameraFailed;
    }
    std::fprintf(answers(), "camera %s version %d\n", address, version);
    return kExitOk;
}

int runVersion(const Invocation &in)
{
    const int version = QV_SendGetVersion(in.camera.c_str());
    if (version == 0)
        return noAnswer(in);
    std::fprintf(answers(), "version %d\n", version);
    return kExitOk;
}

int runBattery(const Invocation &in)
{
    int level = 0;
    int charge = -1;
    if (QV_SendGetBattery2(in.camera.c_str(), &level, &charge) != 1)
        return noAnswer(in);
    if (charge >= 0)
        std::fprintf(answers(), "battery %d charge %d\n", level, charge);
    else
        std::fprintf(answers(), "battery %d\n", level);
    return kExitOk;
}

int runResolutions(const Invocation &in)
{
    std::vector<ResolutionEntry> sizes;
    if (!offeredSizes(in, sizes))
        return noAnswer(in);
    for (const ResolutionEntry &e : sizes)
        std::fprintf(answers(), "resolution %dx%d@%d\n", e.width, e.height, e.fps);
    return kExitOk;
}

int runSetResolution(const Invocation &in)
{
    int width = 0;
    int height = 0;
    if (!parseSize(in.args[0], width, height)) {
        std::fprintf(stderr, "qvctl: \"%s\" is not a size like 1920x1080\n", in.args[0].c_str());
        return kExitBadValue;
    }
    // The library takes any answer to set-resolution as success (it does not
    // read the reply's status), so a size the camera does not offer would be
    // reported done while the stream stays as it was: only a listed size is
    // sent.
    std::vector<ResolutionEntry> sizes;
    if (!offeredSizes(in, sizes))
        return noAnswer(in);
    bool offered = false;
    std::string list;
    for (const ResolutionEntry &e : sizes) {
        offered = offered || (e.width == width && e.height == height);
        list += (list.empty() ? "" : " ") + std::to_string(e.width) + "x" +
                std::to_string(e.height);
    }
    if (!offered) {
        std::fprintf(stderr, "qvctl: set-resolution: the camera at %s does not offer %dx%d (it "
                             "offers %s)\n",
                     in.camera.c_str(), width, height, list.c_str());
        return kExitBadValue;
    }
    return reportResult(QV_SendSetResolution(in.camera.c_str(), width, height), "set-resolution",
                        in);
}

int runAutofocus(const Invocation &in)
{
    const std::string &mode = in.args[0];
    if (mode != "on" && mode != "off") {
        std::fprintf(stderr, "qvctl: autofocus takes on or off, not \"%s\"\n", mode.c_str());
        return kExitBadValue;
    }
    return reportResult(QV_SendSetAutoFocus(in.camera.c_str(), mode == "on" ? 1 : 0), "autofocus",
                        in);
}

int runRouterMode(const Invocation &in)
{
    const std::string &ssid = in.args[0];
    const std::string &password = in.args[1];
    for (const std::string *text : {&ssid, &password}) {
        if (text->empty() || text->size() > kTextFieldBytes) {
            std::fprintf(stderr, "qvctl: network name and password must be 1..%zu bytes\n",
                         kTextFieldBytes);
            return kExitBadValue;
        }
    }
    // Mode 2: the camera joins the named network as a station.
    return reportResult(QV_SendApParams(in.camera.c_str(), 2, ssid.c_str(), password.c_str()),
                        "router", in);
}

int runAccessPointMode(const Invocation &in)
{
    return reportResult(QV_SendClearApParams(in.camera.c_str()), "ap-mode", in);
}

int runReboot(const Invocation &in)
{
    return reportResult(QV_SendReboot(in.camera.c_str()), "reboot", in);
}

} // namespace qvctl
