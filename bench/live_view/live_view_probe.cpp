// SPDX-License-Identifier: GPL-3.0-or-later

#include "live_view_probe.h"

#include "stream/sim_stream_jpeg_tags.h"

void LiveViewProbe::onBytes(const unsigned char *bytes, int size)
{
    uint32_t counter = 0;
    const bool tagged = bytes && camsim::readFrameTag(bytes, size_t(size), counter);
    std::lock_guard<std::mutex> lock(mutex_);
    if (tagged && samples_.size() < 20 && counter % 3 == 0)
        samples_.emplace_back(bytes, bytes + size);
}

void LiveViewProbe::onImage(const QImage &)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (measuring_)
        ++decoded_;
}

void LiveViewProbe::onPresented(const QByteArray &jpeg)
{
    const auto now = camsim::StreamStats::Clock::now();
    uint32_t counter = 0;
    const bool tagged = camsim::readFrameTag(reinterpret_cast<const unsigned char *>(jpeg.constData()),
                                             size_t(jpeg.size()), counter);
    std::lock_guard<std::mutex> lock(mutex_);
    ++shownTotal_;
    if (!measuring_)
        return;
    ++shown_;
    camsim::StreamStats::Clock::time_point sent;
    if (tagged && stats_.lastByteSent(counter, sent))
        latencies_.push_back(std::chrono::duration<double, std::milli>(now - sent).count());
}

void LiveViewProbe::startMeasuring()
{
    std::lock_guard<std::mutex> lock(mutex_);
    measuring_ = true;
}

void LiveViewProbe::stopMeasuring()
{
    std::lock_guard<std::mutex> lock(mutex_);
    measuring_ = false;
}

long long LiveViewProbe::framesShownTotal() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return shownTotal_;
}

std::vector<double> LiveViewProbe::latenciesMs() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return latencies_;
}

long long LiveViewProbe::framesShown() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_;
}

long long LiveViewProbe::framesDecoded() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return decoded_;
}

std::vector<std::vector<unsigned char>> LiveViewProbe::sampleFrames() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_;
}
