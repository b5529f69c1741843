// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_OPTIONS_H
#define CAMSIM_STREAM_OPTIONS_H

// camsim's command-line options for the video stream.
//
// Thread rules: plain functions on plain values; main thread only.

#include "scene/sim_scene_script.h"
#include "stream/sim_stream_settings.h"

#include <memory>

namespace camsim {

struct StreamOptions {
    bool enabled = true;
    StreamSettings settings;
    int width = 0; // initial picture size; 0 keeps the camera's default
    int height = 0;
    double pauseAfterSeconds = -1.0;  // camera goes away this long after start
    double resumeAfterSeconds = -1.0; // and comes back this long after that
    std::shared_ptr<const SceneScript> script; // scripted scene instead of the moving sheet
};

// Looks at argv[i]. Returns 1 when it was a stream option (i then points at
// its last word), 0 when it was not, -1 (with a message on stderr) for a
// stream option with a missing or bad value.
int parseStreamOption(int argc, char **argv, int &i, StreamOptions &options);

const char *streamOptionsUsage();

} // namespace camsim

#endif
