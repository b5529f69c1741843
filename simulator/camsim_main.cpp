// camsim: plays a document camera on a loopback address until stopped.
//
//   camsim --bind 127.0.0.1 [--verbose]

#include "sim_camera_state.h"
#include "sim_stream_session.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int) { stopRequested = true; }

void usage()
{
    std::fprintf(stderr,
                 "usage: camsim [--bind ADDRESS] [--verbose]\n"
                 "  --bind ADDRESS   loopback address to play the camera on (default 127.0.0.1)\n"
                 "  --verbose        print every request in a readable form\n");
    std::fputs(camsim::streamOptionsUsage(), stderr);
}

} // namespace

int main(int argc, char **argv)
{
    std::string bindAddress = "127.0.0.1";
    bool verbose = false;
    camsim::StreamOptions streamOptions;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (const int taken = camsim::parseStreamOption(argc, argv, i, streamOptions)) {
            if (taken < 0)
                return 2;
            continue;
        }
        if (arg == "--bind" && i + 1 < argc) {
            bindAddress = argv[++i];
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else {
            std::fprintf(stderr, "camsim: unknown option %s\n", arg.c_str());
            usage();
            return 2;
        }
    }
    (void)verbose;

    camsim::SimCameraState state;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("camsim: camera at %s\n", bindAddress.c_str());
    std::fflush(stdout);
    camsim::StreamSession stream(state, bindAddress, streamOptions);
    if (!stream.start())
        return 1;
    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stream.tick();
    }
    return 0;
}
