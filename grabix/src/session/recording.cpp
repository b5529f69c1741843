// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/recording.h"

#include "audio/alsa_audio_source.h"

#include <cstdio>
#include <system_error>

namespace grabix {

namespace {

std::string describe(const ScreenRect &r)
{
    return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.left) +
           "+" + std::to_string(r.top);
}

std::unique_ptr<AudioSource> openDefaultMicrophone(std::string &why)
{
    return AlsaAudioSource::open("default", why);
}

} // namespace

std::unique_ptr<Recording> Recording::start(const RecordingSettings &settings, Failure &failure,
                                            AudioOpener openAudio)
{
    auto fail = [&failure](int code, std::string detail) {
        failure = {code, std::move(detail)};
        report(failure);
        return nullptr;
    };

    std::string why;
    std::unique_ptr<XDisplay> display = XDisplay::open(why);
    if (!display)
        return fail(GRABIX_ERR_NO_SCREEN, why);

    const ScreenRect rect =
        clipToScreen(settings.rect, display->screenWidth(), display->screenHeight());
    const std::string screen =
        std::to_string(display->screenWidth()) + "x" + std::to_string(display->screenHeight());
    if (rect.empty())
        return fail(GRABIX_ERR_OUTSIDE_SCREEN, "the capture rectangle " + describe(settings.rect) +
                                                   " lies outside the " + screen + " screen");
    if (rect != settings.rect)
        std::fprintf(stderr, "grabix: the capture rectangle %s reaches past the %s screen; recording %s\n",
                     describe(settings.rect).c_str(), screen.c_str(), describe(rect).c_str());

    std::unique_ptr<ScreenGrabber> grabber = ScreenGrabber::create(*display, rect, why);
    if (!grabber)
        return fail(GRABIX_ERR_NO_SCREEN, why);

    std::unique_ptr<AudioSource> audio;
    if (settings.audio) {
        audio = (openAudio ? openAudio : AudioOpener(openDefaultMicrophone))(why);
        if (!audio)
            std::fprintf(stderr, "grabix: no sound capture device (%s); recording video only\n", why.c_str());
    }
    const AudioFormat format = audio ? audio->format() : AudioFormat{};

    std::unique_ptr<AviRecorderSink> sink = AviRecorderSink::create(
        settings.path, rect.width, rect.height, settings.frameRate, audio ? &format : nullptr);
    if (!sink)
        return fail(GRABIX_ERR_FILE_CREATE, "cannot create the file \"" + settings.path + "\"");

    const ScreenRect recorded = grabber->rect();
    const bool sharedMemory = grabber->usesSharedMemory();
    std::unique_ptr<Recording> recording(new Recording(settings.path, std::move(display),
                                                       std::move(grabber), std::move(audio),
                                                       std::move(sink), settings.frameRate));
    recording->stats_.rect = recorded;
    recording->stats_.sharedMemory = sharedMemory;
    try {
        recording->startThreads();
    } catch (const std::system_error &e) {
        recording->stopped_ = true;
        recording->joinThreads();
        recording->sink_->finish();
        std::remove(settings.path.c_str());
        return fail(GRABIX_ERR_INTERNAL, std::string("cannot start the recording threads: ") + e.what());
    }
    return recording;
}

Recording::Recording(std::string path, std::unique_ptr<XDisplay> display,
                     std::unique_ptr<ScreenGrabber> grabber, std::unique_ptr<AudioSource> audio,
                     std::unique_ptr<AviRecorderSink> sink, int frameRate)
    : path_(std::move(path)), audioSource_(std::move(audio)), sink_(std::move(sink)),
      queue_(kQueuedFrames), capture_(std::move(display), std::move(grabber), queue_, frameRate),
      encoder_(queue_, *sink_)
{
    if (audioSource_)
        audio_ = std::make_unique<AudioThread>(*audioSource_, *sink_);
    stats_.sound = audioSource_ != nullptr;
}

Recording::~Recording()
{
    stop();
}

void Recording::startThreads()
{
    encoder_.start();
    capture_.start();
    if (audio_)
        audio_->start();
}

void Recording::joinThreads()
{
    capture_.stop();
    queue_.close();
    encoder_.join();
    if (audio_)
        audio_->stop();
}

Failure Recording::stop()
{
    if (stopped_)
        return {};
    stopped_ = true;
    joinThreads();
    const std::string problem = sink_->finish();

    stats_.captured = capture_.captured();
    stats_.dropped = queue_.dropped();
    stats_.encoded = encoder_.encoded();
    stats_.audioBytes = audio_ ? audio_->bytesDelivered() : 0;
    if (stats_.dropped > 0)
        std::fprintf(stderr, "grabix: %llu of %llu captured frames were dropped: the encoder fell behind\n",
                     static_cast<unsigned long long>(stats_.dropped),
                     static_cast<unsigned long long>(stats_.captured));

    Failure failure;
    if (!problem.empty())
        failure = {GRABIX_ERR_FILE_WRITE, "the recording \"" + path_ + "\" is not complete: " + problem};
    else if (!capture_.lostReason().empty())
        failure = {GRABIX_ERR_SCREEN_LOST, "screen capture ended early: " + capture_.lostReason()};
    report(failure);
    return failure;
}

RecordingStats Recording::stats() const
{
    return stats_;
}

} // namespace grabix
