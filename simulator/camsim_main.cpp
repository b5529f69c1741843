// SPDX-License-Identifier: GPL-3.0-or-later

// camsim: plays a document camera on a loopback address until stopped.
//
//   camsim --bind 127.0.0.1 [--verbose] [--fault no-reply:0x1002:3]
//          [--transport udp66|udp3|udp3-plain|tcp] [--fps 30] ...
//          [--scene-script book.txt]

#include "command/sim_camera_state.h"
#include "command/sim_command_options.h"
#include "command/sim_command_side.h"
#include "stream/sim_stream_session.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// On standard output when asked for (--help), on standard error after a
// mistake.
void usage(std::FILE *to)
{
    std::fprintf(to, "usage: camsim [options]\n%s", camsim::commandSideUsage());
    std::fputs(camsim::streamOptionsUsage(), to);
}

// Waits for SIGINT or SIGTERM, giving the stream session its periodic tick
// (scripted pause and resume) in between.
void runUntilStopSignal(const sigset_t &stopSignals, camsim::StreamSession &stream)
{
    const timespec tickInterval{0, 100 * 1000 * 1000};
    for (;;) {
        if (sigtimedwait(&stopSignals, nullptr, &tickInterval) >= 0)
            return;
        stream.tick();
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Block the stop signals before any thread starts, so every thread
    // inherits the mask and only the main thread's wait sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    camsim::CommandSideOptions commandOptions;
    camsim::StreamOptions streamOptions;
    for (int i = 1; i < argc; ++i) {
        std::string message;
        switch (camsim::takeCommandSideOption(argc, argv, i, commandOptions, &message)) {
        case camsim::OptionResult::Taken:
            continue;
        case camsim::OptionResult::Invalid:
            std::fprintf(stderr, "camsim: %s\n", message.c_str());
            return 2;
        case camsim::OptionResult::NotMine:
            break;
        }
        if (const int taken = camsim::parseStreamOption(argc, argv, i, streamOptions)) {
            if (taken < 0)
                return 2;
            continue;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage(stdout);
            return 0;
        }
        std::fprintf(stderr, "camsim: unknown option %s\n", argv[i]);
        usage(stderr);
        return 2;
    }

    camsim::SimCameraState state;
    camsim::SimCommandSide commands(state);
    if (!commands.start(commandOptions)) {
        std::fprintf(stderr, "camsim: %s\n", commands.error().c_str());
        return 1;
    }
    camsim::StreamSession stream(state, commandOptions.bindAddress, streamOptions);
    if (!stream.start()) {
        commands.stop();
        return 1;
    }
    std::printf("camsim: camera at %s\n", commandOptions.bindAddress.c_str());
    std::fflush(stdout);
    runUntilStopSignal(stopSignals, stream);
    commands.stop();
    return 0;
}
