// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_FRAME_DECODER_POOL_H
#define CORVANE_FRAME_DECODER_POOL_H

// Decodes the camera's frames on several threads at once and delivers the
// pictures in the order the frames were taken. One 3840x2880 frame takes a
// core longer to decode than the camera takes to send the next, so the
// frames are spread over the threads; a frame that finishes early waits
// until every frame taken before it has been delivered, so the picture
// never steps back in time.
//
// Frames wait for a free decoder in a single slot: a newer frame replaces a
// waiting one (counted as skipped), so a slow machine shows fewer frames
// rather than later ones, and nothing piles up.
//
// Each frame is decoded for the screen: at the smallest cheap scale that
// still fills the number of rows the window draws it into (see
// display_decode_scale.h), into a recycled buffer (picture_buffer_pool.h);
// its JPEG bytes travel with the picture for full-resolution decoding on
// demand.
//
// Thread rules: the pool owns its decoder threads; start() starts them and
// stop() (also the destructor) joins them, both called by the owner's
// thread (the live-view worker's). submit(), setDisplayRows() and the
// counters may be called from any thread. The deliver function runs on a
// decoder thread, one frame at a time in frame order (under the pool's
// ordering lock): it must be quick and must not call back into the pool.

#include "core/live_view/live_frame.h"
#include "core/live_view/picture_buffer_pool.h"

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class FrameDecoderPool {
public:
    using Deliver = std::function<void(LiveFrame &&)>;

    FrameDecoderPool(int threadCount, Deliver deliver);
    ~FrameDecoderPool();
    FrameDecoderPool(const FrameDecoderPool &) = delete;
    FrameDecoderPool &operator=(const FrameDecoderPool &) = delete;

    void start();
    // Drops the waiting frame, lets the frames being decoded finish (and be
    // delivered), joins every thread. The pool may be started again.
    void stop();
    bool running() const { return running_.load(); }
    int threadCount() const { return threadCount_.load(); }
    // Takes effect at the next start().
    void setThreadCount(int threads) { threadCount_ = threads < 1 ? 1 : threads; }

    void submit(QByteArray bytes, quint64 sequence);

    // Rows the window draws the picture into, and whether a quarter turn
    // puts the frame's width upright; rows 0 decodes at full size.
    void setDisplayRows(int rows, bool quarterTurned = false)
    {
        display_ = std::max(rows, 0) * 2 + (quarterTurned ? 1 : 0);
    }
    int displayRows() const { return display_.load() / 2; }
    // The fast inverse DCT for full-size display decoding (see the report of
    // bench_frame_decode: invisible, 43-46 dB from the accurate one).
    void setFastDct(bool on) { fastDct_ = on; }

    const PictureBufferPool &pictures() const { return *pictures_; }
    quint64 skipped() const { return skipped_.load(); }
    quint64 decoded() const { return decoded_.load(); }

private:
    struct Job {
        QByteArray bytes;
        quint64 sequence = 0;
    };

    void decodeLoop();
    void deliverInOrder(quint64 ticket, LiveFrame &&frame);

    std::atomic<int> threadCount_;
    const Deliver deliver_;
    const std::shared_ptr<PictureBufferPool> pictures_ = PictureBufferPool::create();
    // Rows times two, plus one when turned: one atomic, so a decoder never
    // sees the rows of one call with the turn of another.
    std::atomic<int> display_{0};
    std::atomic<bool> fastDct_{false};
    std::atomic<bool> running_{false};
    std::atomic<quint64> skipped_{0};
    std::atomic<quint64> decoded_{0};

    std::mutex mutex_; // guards waiting_, stopping_, nextTicket_
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    bool stopping_ = false;
    quint64 nextTicket_ = 0;

    std::mutex orderMutex_; // guards finished_, nextToDeliver_; held while delivering
    std::map<quint64, LiveFrame> finished_;
    quint64 nextToDeliver_ = 0;

    std::vector<std::thread> threads_;
};

#endif
