// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_HANDLE_H
#define GRABIX_HANDLE_H

// The handle behind the grabix_ calls: the parameters of the next recording
// (a copy: the caller's block is gone right after Start), the running
// recording, and the last failure.
//
// Thread rules: all members run on the caller's thread, one call at a time;
// the recording's own threads never touch the handle.

#include "session/failure.h"
#include "session/recording.h"

#include "grabix.h"

#include <memory>
#include <optional>

struct Grabix {
public:
    // Copies params; null forgets them.
    void preCap(const GrabixParams *params);
    // Ignored while recording.
    void start();
    // Ignored when not recording.
    void stop();
    int lastError() const { return lastError_.code; }

    bool recording() const { return recording_ != nullptr; }
    // The running recording, for statistics; null when none.
    const grabix::Recording *activeRecording() const { return recording_.get(); }

    ~Grabix();

private:
    void startRecording();

    std::optional<GrabixParams> params_;
    std::unique_ptr<grabix::Recording> recording_;
    grabix::Failure lastError_;
};

#endif
