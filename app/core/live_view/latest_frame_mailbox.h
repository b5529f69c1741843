// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_LATEST_FRAME_MAILBOX_H
#define CORVANE_LATEST_FRAME_MAILBOX_H

// The hand-over of decoded frames to the GUI thread: a single slot that
// always holds the newest frame not yet taken. A frame put while the slot is
// full replaces the older one, so however long the GUI thread is busy, at
// most one decoded frame waits for it and memory stays flat; the screen
// shows the newest picture the moment the GUI thread is free again.
//
// put() says whether the slot was empty: only then must the producer wake
// the consumer (one queued call), so wake-ups never pile up either.
//
// Thread rules: put() from any producer thread, take() from the consumer's;
// one mutex guards the slot and the counts.

#include "core/live_view/live_frame.h"

#include <QtGlobal>

#include <mutex>
#include <optional>

class LatestFrameMailbox {
public:
    // True when the slot was empty, i.e. the consumer needs a wake-up.
    bool put(LiveFrame frame);
    // The newest frame, and the slot is empty again; nothing if none waits.
    std::optional<LiveFrame> take();
    void clear();

    quint64 replaced() const; // frames overwritten before anyone took them
    bool holdsFrame() const;

private:
    mutable std::mutex mutex_;
    std::optional<LiveFrame> slot_;
    quint64 replaced_ = 0;
};

#endif
