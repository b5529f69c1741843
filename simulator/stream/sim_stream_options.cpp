// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_options.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace camsim {

namespace {

bool number(const char *text, double low, double high, double &out)
{
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(v >= low && v <= high))
        return false;
    out = v;
    return true;
}

} // namespace

const char *streamOptionsUsage()
{
    return "video stream:\n"
           "  --no-stream                 do not serve the video stream\n"
           "  --transport T               udp66 | udp3 | udp3-plain | tcp (default udp66)\n"
           "  --fps N                     frames per second (default 30)\n"
           "  --packet-size N             UDP payload bytes per datagram: 1390, 2900 or 1388\n"
           "  --resolution WxH            initial picture size (one the camera lists)\n"
           "  --kind N  --tilt N          frame kind and tilt word written into frames\n"
           "  --tcp-pad N                 zero bytes after the JPEG in TCP records (0..14)\n"
           "  --loss P --dup P --reorder P  per-datagram fault probabilities (0..1)\n"
           "  --garbage P                 per-frame probability of a random datagram\n"
           "  --oversize-every N          every N-th frame padded past the limits\n"
           "  --oversize-bytes N          size of those frames (default 1536001)\n"
           "  --pause-after S             the camera goes away S seconds after start\n"
           "  --resume-after S            and comes back S seconds later\n"
           "  --seed N                    seed of the fault knobs' random choices\n"
           "  --scene-script FILE         play a scripted scene (pages, hands, page turns)\n"
           "                              instead of the moving sheet; one step a line:\n"
           "                              page N S | hand S | turn N S | empty S (S seconds)\n";
}

int parseStreamOption(int argc, char **argv, int &i, StreamOptions &options)
{
    const std::string arg = argv[i];
    StreamSettings &s = options.settings;
    if (arg == "--no-stream") {
        options.enabled = false;
        return 1;
    }
    static const char *const valued[] = {
        "--transport", "--fps", "--packet-size", "--resolution", "--kind", "--tilt",
        "--tcp-pad", "--loss", "--dup", "--reorder", "--garbage", "--oversize-every",
        "--oversize-bytes", "--pause-after", "--resume-after", "--seed", "--scene-script"};
    bool known = false;
    for (const char *name : valued)
        known = known || arg == name;
    if (!known)
        return 0;
    if (i + 1 >= argc) {
        std::fprintf(stderr, "camsim: %s needs a value\n", arg.c_str());
        return -1;
    }
    const char *value = argv[++i];
    double v = 0;
    bool ok = true;
    if (arg == "--scene-script") {
        auto script = std::make_shared<SceneScript>();
        std::string error;
        if (!loadSceneScript(value, *script, &error)) {
            std::fprintf(stderr, "camsim: --scene-script: %s\n", error.c_str());
            return -1;
        }
        options.script = std::move(script);
        return 1;
    }
    if (arg == "--transport") {
        ok = parseTransport(value, s.transport);
    } else if (arg == "--resolution") {
        ok = std::sscanf(value, "%dx%d", &options.width, &options.height) == 2 &&
             options.width > 0 && options.height > 0;
    } else if (arg == "--fps" && (ok = number(value, 1, 240, v))) {
        s.fps = static_cast<int>(v);
    } else if (arg == "--packet-size" && (ok = number(value, 1, 3100, v))) {
        s.packetSize = static_cast<int>(v);
    } else if (arg == "--kind" && (ok = number(value, 0, 255, v))) {
        s.kind = static_cast<uint8_t>(v);
    } else if (arg == "--tilt" && (ok = number(value, 0, 4294967295.0, v))) {
        s.tilt = static_cast<uint32_t>(v);
    } else if (arg == "--tcp-pad" && (ok = number(value, 0, 14, v))) {
        s.tcpTrailingPad = static_cast<size_t>(v);
    } else if (arg == "--loss" && (ok = number(value, 0, 1, v))) {
        s.faults.loss = v;
    } else if (arg == "--dup" && (ok = number(value, 0, 1, v))) {
        s.faults.duplicate = v;
    } else if (arg == "--reorder" && (ok = number(value, 0, 1, v))) {
        s.faults.reorder = v;
    } else if (arg == "--garbage" && (ok = number(value, 0, 1, v))) {
        s.faults.garbage = v;
    } else if (arg == "--oversize-every" && (ok = number(value, 0, 1e9, v))) {
        s.faults.oversizeEvery = static_cast<uint32_t>(v);
        if (s.faults.oversizeBytes == 0)
            s.faults.oversizeBytes = 1536001;
    } else if (arg == "--oversize-bytes" && (ok = number(value, 1, 64e6, v))) {
        s.faults.oversizeBytes = static_cast<size_t>(v);
    } else if (arg == "--pause-after" && (ok = number(value, 0, 1e6, v))) {
        options.pauseAfterSeconds = v;
    } else if (arg == "--resume-after" && (ok = number(value, 0, 1e6, v))) {
        options.resumeAfterSeconds = v;
    } else if (arg == "--seed" && (ok = number(value, 0, 4294967295.0, v))) {
        s.seed = static_cast<uint32_t>(v);
    }
    if (!ok) {
        std::fprintf(stderr, "camsim: bad value for %s: %s\n", arg.c_str(), value);
        return -1;
    }
    return 1;
}

} // namespace camsim
