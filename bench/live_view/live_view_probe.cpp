#include "live_view_probe.h"

#include "stream/sim_stream_jpeg_tags.h"

void LiveViewProbe::onBytes(const unsigned char *bytes, int size)
{
    uint32_t counter = 0;
    const bool tagged = bytes && camsim::readFrameTag(bytes, size_t(size), counter);
    std::lock_guard<std::mutex> lock(mutex_);
    pendingCounter_ = counter;
    pendingValid_ = tagged;
    if (tagged && samples_.size() < 20 && counter % 3 == 0)
        samples_.emplace_back(bytes, bytes + size);
}

void LiveViewProbe::onImage(const QImage &image)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (measuring_)
        ++decoded_;
    if (!pendingValid_ || image.isNull())
        return;
    counterByImage_[image.cacheKey()] = pendingCounter_;
    imageOrder_.push_back(image.cacheKey());
    while (imageOrder_.size() > 256) {
        counterByImage_.erase(imageOrder_.front());
        imageOrder_.pop_front();
    }
}

void LiveViewProbe::onPresented(const QImage &frame)
{
    const auto now = camsim::StreamStats::Clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    ++shownTotal_;
    if (!measuring_)
        return;
    ++shown_;
    const auto found = counterByImage_.find(frame.cacheKey());
    if (found == counterByImage_.end())
        return;
    camsim::StreamStats::Clock::time_point sent;
    if (stats_.lastByteSent(found->second, sent))
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
