// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/recorder.h"

#include "recorder/posix_file_storage.h"

namespace {

constexpr int kPcmFormatTag = 1;
// The audio rate word; headers carry 65536 * 1000 / 8 = 8,192,000 from it.
constexpr int kAudioRateWord = 0x10000;

} // namespace

Recorder::Recorder(qv::RecorderSeams seams)
    : clock_(seams.clock ? std::move(seams.clock) : qv::MillisecondClock(qv::wallClockMilliseconds)),
      openStorage_(seams.openStorage ? std::move(seams.openStorage)
                                     : qv::AviStorageOpener(qv::PosixFileStorage::open))
{
}

Recorder::~Recorder()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_)
        stopLocked();
}

void Recorder::setVideoParams(int width, int height, int fps)
{
    std::lock_guard<std::mutex> lock(mutex_);
    width_ = width;
    height_ = height;
    fps_ = fps;
    videoSet_ = true;
    if (fps > 0)
        pacer_.setInterval(1000 / fps);
}

void Recorder::setAudioParams(int channels, int rate, int bits)
{
    std::lock_guard<std::mutex> lock(mutex_);
    channels_ = channels;
    sampleRate_ = rate;
    bitsPerSample_ = bits;
    audioSet_ = true;
}

bool Recorder::start(const char *path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (recording_)
        return true;
    if (!path)
        return false;
    std::unique_ptr<qv::AviFile> file = qv::AviFile::openOn(openStorage_(path));
    if (!file)
        return false;
    if (videoSet_)
        file->setVideo(width_, height_, static_cast<double>(fps_), "MJPG");
    if (audioSet_)
        file->setAudio(channels_, sampleRate_, bitsPerSample_, kPcmFormatTag, kAudioRateWord);
    file_ = std::move(file);
    recording_ = true;
    return true;
}

void Recorder::addVideo(const void *jpeg, int length)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!recording_ || !file_ || !jpeg || length < 0)
        return;
    const auto size = static_cast<std::size_t>(length);
    const qv::FramePacer::Decision d = pacer_.onFrame(clock_());
    if (d.heldCopies > 0)
        file_->writeFrame(heldFrame_.data(), heldFrame_.size(), false);
    for (int i = 0; i < d.newCopies; ++i)
        file_->writeFrame(jpeg, size, false);
    const auto *bytes = static_cast<const std::uint8_t *>(jpeg);
    heldFrame_.assign(bytes, bytes + size);
}

void Recorder::addAudio(const void *pcm, int length)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!recording_ || !file_ || !pcm || length < 0)
        return;
    file_->writeAudio(pcm, static_cast<std::size_t>(length));
}

int Recorder::stop()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return stopLocked();
}

int Recorder::stopLocked()
{
    recording_ = false;
    audioSet_ = false;
    videoSet_ = false;
    pacer_.reset();
    int result = 0;
    if (file_) {
        file_->writeFrame(heldFrame_.data(), heldFrame_.size(), false);
        const int closed = file_->close();
        if (closed != 0 || file_->lostChunks() != 0)
            result = -1;
        file_.reset();
    }
    heldFrame_.clear();
    return result;
}

bool Recorder::recording() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return recording_;
}

std::int32_t Recorder::frameIntervalMs() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return pacer_.interval();
}

std::uint32_t Recorder::nextDueMs() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return pacer_.nextDue();
}
