// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory_sampler.h"

#include "process_usage.h"

#include <chrono>

MemorySampler::MemorySampler()
{
    peak_ = residentKiB();
    thread_ = std::thread([this]() {
        while (!stop_.load()) {
            const long now = residentKiB();
            long seen = peak_.load();
            while (now > seen && !peak_.compare_exchange_weak(seen, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
}

MemorySampler::~MemorySampler()
{
    stop_ = true;
    thread_.join();
}

void MemorySampler::reset()
{
    peak_ = residentKiB();
}
