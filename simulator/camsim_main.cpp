// camsim: plays a document camera on a loopback address until stopped.
//
//   camsim --bind 127.0.0.1 [--verbose] [--fault no-reply:0x1002:3]

#include "sim_camera_state.h"
#include "sim_command_options.h"
#include "sim_command_side.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

void usage()
{
    std::fprintf(stderr, "usage: camsim [options]\n%s", camsim::commandSideUsage());
}

// Blocks until SIGINT or SIGTERM arrives.
void waitForStopSignal()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    int signal = 0;
    sigwait(&set, &signal);
}

} // namespace

int main(int argc, char **argv)
{
    // Block the stop signals before any thread starts, so every thread
    // inherits the mask and only sigwait() sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    camsim::CommandSideOptions commandOptions;
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
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage();
            return 0;
        }
        std::fprintf(stderr, "camsim: unknown option %s\n", argv[i]);
        usage();
        return 2;
    }

    camsim::SimCameraState state;
    camsim::SimCommandSide commands(state);
    if (!commands.start(commandOptions)) {
        std::fprintf(stderr, "camsim: %s\n", commands.error().c_str());
        return 1;
    }
    std::printf("camsim: camera at %s\n", commandOptions.bindAddress.c_str());
    std::fflush(stdout);
    waitForStopSignal();
    commands.stop();
    return 0;
}
