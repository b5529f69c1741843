// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMMAND_LANE_H
#define CORVANE_COMMAND_LANE_H

// The one lane every camera command of the program travels. The library's
// command functions share a sequence counter and a reply buffer without a
// lock, so two of them running at once (the search thread's version query
// and a settings button on the GUI thread, say) could mix up each other's
// requests and replies. Every QV_Send... call of the program runs inside
// CommandLane::shared().run(), one after the other.
//
// Thread rules: run() may be called from any thread; it blocks until the
// commands already in the lane have returned. Never call run() from inside
// run() (the lane is not recursive: that would wait for itself).

#include <mutex>
#include <utility>

class CommandLane {
public:
    static CommandLane &shared();

    template <typename Command>
    auto run(Command &&command) -> decltype(command())
    {
        std::lock_guard<std::mutex> hold(mutex_);
        return std::forward<Command>(command)();
    }

private:
    // A standard mutex: its waits are ones ThreadSanitizer understands.
    std::mutex mutex_;
};

#endif
