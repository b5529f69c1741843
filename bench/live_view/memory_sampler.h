// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCH_MEMORY_SAMPLER_H
#define BENCH_MEMORY_SAMPLER_H

// Samples this process's resident memory every 20 ms on a thread of its own,
// so a phase's peak is seen even when the GUI thread is blocked and even
// when the process-wide high-water mark was set by an earlier phase.
//
// Thread rules: the sampler owns its thread; it starts it in the
// constructor and joins it in the destructor. reset() and peakKiB() may be
// called from any thread (atomics).

#include <atomic>
#include <thread>

class MemorySampler {
public:
    MemorySampler();
    ~MemorySampler();
    MemorySampler(const MemorySampler &) = delete;
    MemorySampler &operator=(const MemorySampler &) = delete;

    // Starts a new phase: the peak becomes the current resident size.
    void reset();
    long peakKiB() const { return peak_.load(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<long> peak_{0};
    std::thread thread_;
};

#endif
