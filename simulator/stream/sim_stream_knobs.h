// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_KNOBS_H
#define CAMSIM_STREAM_KNOBS_H

// The knobs a test or the command line turns while a stream runs: the
// faults and the pause (camera gone). The sender reads them once per pass.
//
// Thread rules: every member function may be called from any thread.

#include "stream/sim_stream_settings.h"

#include <atomic>
#include <mutex>

namespace camsim {

class StreamKnobs {
public:
    void setFaults(const StreamFaults &faults)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        faults_ = faults;
    }
    StreamFaults faults() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return faults_;
    }
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }

private:
    mutable std::mutex mutex_;
    StreamFaults faults_;
    std::atomic<bool> paused_{false};
};

} // namespace camsim

#endif
