// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_session.h"

#include <cstdio>

namespace camsim {

StreamSession::StreamSession(SimCameraState &state, const std::string &address,
                             const StreamOptions &options)
    : state_(state), options_(options), scene_(state),
      scripted_(options.script ? std::make_unique<SceneScriptSource>(state, *options.script)
                               : nullptr),
      server_(address, scripted_ ? static_cast<FrameSource &>(*scripted_) : scene_)
{
}

bool StreamSession::start()
{
    if (!options_.enabled)
        return true;
    if (options_.width > 0 && !state_.selectResolution(options_.width, options_.height)) {
        std::fprintf(stderr, "camsim: the camera does not offer %dx%d\n", options_.width,
                     options_.height);
        return false;
    }
    const auto before = std::chrono::steady_clock::now();
    if (scripted_)
        scripted_->prepare(frameByteLimit(options_.settings));
    else
        scene_.prepare(frameByteLimit(options_.settings));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();
    const Resolution r = state_.currentResolution();
    if (!server_.start(options_.settings)) {
        std::fprintf(stderr, "camsim: cannot serve the %s stream (port in use?)\n",
                     transportName(options_.settings.transport));
        return false;
    }
    std::printf("camsim: %s stream, %dx%d at %d frames/s, JPEG quality %d (scene ready in %.0f ms)\n",
                transportName(options_.settings.transport), r.width, r.height,
                options_.settings.fps, scripted_ ? scripted_->quality() : scene_.quality(), ms);
    if (scripted_)
        std::printf("camsim: scripted scene of %zu steps, %.1f s\n", options_.script->steps.size(),
                    options_.script->totalSeconds());
    std::fflush(stdout);
    started_ = std::chrono::steady_clock::now();
    return true;
}

void StreamSession::tick()
{
    if (!options_.enabled || options_.pauseAfterSeconds < 0)
        return;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    if (!pauseDone_ && elapsed >= options_.pauseAfterSeconds) {
        pauseDone_ = true;
        server_.setPaused(true);
        std::printf("camsim: stream paused (camera gone)\n");
        std::fflush(stdout);
    }
    if (pauseDone_ && !resumeDone_ && options_.resumeAfterSeconds >= 0 &&
        elapsed >= options_.pauseAfterSeconds + options_.resumeAfterSeconds) {
        resumeDone_ = true;
        server_.setPaused(false);
        std::printf("camsim: stream resumed\n");
        std::fflush(stdout);
    }
}

} // namespace camsim
