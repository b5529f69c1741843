// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/stop_signal.h"

#include <chrono>

namespace qv {

void StopSignal::raise()
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        raised_ = true;
    }
    changed_.notify_all();
}

bool StopSignal::raised() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return raised_;
}

bool StopSignal::waitFor(int milliseconds)
{
    std::unique_lock<std::mutex> guard(lock_);
    return changed_.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return raised_; });
}

} // namespace qv
