// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_LIVE_VIEW_PROBE_H
#define BENCH_LIVE_VIEW_PROBE_H

// Follows frames through the live view: frames taken (raw bytes, worker
// thread), frames decoded (decoder threads), and the moment the window first
// paints a frame, whose JPEG bytes carry the simulator's frame tag.
//
// Thread rules: onBytes runs on the worker thread, onImage on a decoder
// thread (direct connections), onPresented on the GUI thread; one mutex
// guards everything.

#include "stream/sim_stream_stats.h"

#include <QImage>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

class LiveViewProbe {
public:
    explicit LiveViewProbe(const camsim::StreamStats &stats) : stats_(stats) {}

    void onBytes(const unsigned char *bytes, int size);
    void onImage(const QImage &image);
    void onPresented(const QByteArray &jpeg);

    void startMeasuring();
    void stopMeasuring();
    std::vector<double> latenciesMs() const;
    long long framesShown() const;      // while measuring
    long long framesShownTotal() const; // since the start
    long long framesDecoded() const;
    std::vector<std::vector<unsigned char>> sampleFrames() const;

private:
    const camsim::StreamStats &stats_;
    mutable std::mutex mutex_;
    bool measuring_ = false;
    long long shown_ = 0;
    long long shownTotal_ = 0;
    long long decoded_ = 0;
    std::vector<double> latencies_;
    std::vector<std::vector<unsigned char>> samples_;
};

class Corvane;
// Ties the probe to the window's live view (frame bytes, decoded pictures,
// first paint of each picture).
void attachProbe(Corvane &window, LiveViewProbe &probe);

#endif
