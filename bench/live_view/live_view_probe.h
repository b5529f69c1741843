#ifndef BENCH_LIVE_VIEW_PROBE_H
#define BENCH_LIVE_VIEW_PROBE_H

// Follows frames through the live view: the simulator's frame tag read from
// the raw bytes on the worker thread, tied to the decoded picture, and the
// moment the window first paints that picture.
//
// Thread rules: onBytes/onImage run on the worker thread (direct
// connections), onPresented on the GUI thread; one mutex guards the maps.

#include "stream/sim_stream_stats.h"

#include <QImage>

#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <unordered_map>
#include <vector>

class LiveViewProbe {
public:
    explicit LiveViewProbe(const camsim::StreamStats &stats) : stats_(stats) {}

    void onBytes(const unsigned char *bytes, int size);
    void onImage(const QImage &image);
    void onPresented(const QImage &frame);

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
    uint32_t pendingCounter_ = 0;
    bool pendingValid_ = false;
    std::unordered_map<qint64, uint32_t> counterByImage_;
    std::deque<qint64> imageOrder_;
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
