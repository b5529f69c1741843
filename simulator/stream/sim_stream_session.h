// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_SESSION_H
#define CAMSIM_STREAM_SESSION_H

// camsim's video stream as a whole: the scene (the moving sheet, or a
// scripted scene when one was given), the server on the bound address, and
// the pause/resume schedule from the command line.
//
// Thread rules: start(), tick() and the destructor run on camsim's main
// thread; the server inside owns and joins its sender thread.

#include "command/sim_camera_state.h"
#include "scene/sim_scene_frame_source.h"
#include "scene/sim_scene_script_source.h"
#include "stream/sim_stream_options.h"
#include "stream/sim_stream_server.h"

#include <chrono>
#include <memory>
#include <string>

namespace camsim {

class StreamSession {
public:
    StreamSession(SimCameraState &state, const std::string &address, const StreamOptions &options);

    // Prepares the scene and starts serving; false (with a message) if the
    // stream port cannot be bound. Does nothing when the stream is disabled.
    bool start();

    // Call now and then from the main loop: applies the pause schedule.
    void tick();

private:
    SimCameraState &state_;
    StreamOptions options_;
    SceneFrameSource scene_;
    std::unique_ptr<SceneScriptSource> scripted_; // null without a script
    StreamServer server_;
    std::chrono::steady_clock::time_point started_;
    bool pauseDone_ = false;
    bool resumeDone_ = false;
};

} // namespace camsim

#endif
