// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RAW_FRAME_QUEUE_H
#define CORVANE_RAW_FRAME_QUEUE_H

// The camera's JPEG bytes on their way to the GUI thread, where a running
// video recording adds each frame to its file. Unlike the picture, every
// frame counts here: the queue keeps them all while the GUI thread is busy
// for a moment (by default 90 frames or 128 MiB, more than 2 s at 30
// frames/s even at the largest frame the library hands out), and only
// beyond that drops the oldest ones, counting them so the person recording
// can be told.
//
// push() says whether the queue was empty: only then must the producer wake
// the consumer, which then takes everything waiting at once.
//
// Thread rules: push() from the producer thread, takeAll() from the
// consumer's; one mutex guards the queue and the counts.

#include <QByteArray>

#include <cstddef>
#include <deque>
#include <mutex>

class RawFrameQueue {
public:
    static constexpr std::size_t kDefaultFrames = 90;
    static constexpr std::size_t kDefaultBytes = 128u * 1024 * 1024;

    explicit RawFrameQueue(std::size_t maxFrames = kDefaultFrames, std::size_t maxBytes = kDefaultBytes);

    // True when the queue was empty, i.e. the consumer needs a wake-up.
    bool push(QByteArray frame);
    std::deque<QByteArray> takeAll();
    void clear();

    quint64 dropped() const;    // frames thrown away (oldest first) since construction
    std::size_t waiting() const;
    std::size_t waitingBytes() const;

private:
    const std::size_t maxFrames_;
    const std::size_t maxBytes_;
    mutable std::mutex mutex_;
    std::deque<QByteArray> frames_;
    std::size_t bytes_ = 0;
    quint64 dropped_ = 0;
};

#endif
