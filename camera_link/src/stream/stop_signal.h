// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_STOP_SIGNAL_H
#define QV_STOP_SIGNAL_H

// The stream's running flag, cleared once by stop. The receive threads poll
// it at the top of every pass and do their pauses through waitFor, so a stop
// never waits out a full retry pause.
//
// Thread rules: raise() from the owner's thread; raised() and waitFor() from
// any thread.

#include <condition_variable>
#include <mutex>

namespace qv {

class StopSignal {
public:
    void raise();
    bool raised() const;
    // Pauses up to the given time; returns early (true) once raised.
    bool waitFor(int milliseconds);

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    bool raised_ = false;
};

} // namespace qv

#endif
