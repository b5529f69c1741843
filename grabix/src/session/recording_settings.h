// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_RECORDING_SETTINGS_H
#define GRABIX_RECORDING_SETTINGS_H

// The checked contents of a GrabixParams block.

#include "capture/screen_rect.h"
#include "session/failure.h"

#include "grabix.h"

#include <string>

namespace grabix {

struct RecordingSettings {
    std::string path;
    ScreenRect rect;
    int frameRate = 0;
    bool audio = false;
};

constexpr int kMaxFrameRate = 60;

// Reads params into settings. The path is taken only when it ends with a
// NUL inside its field; nothing past the field is read.
Failure readSettings(const GrabixParams &params, RecordingSettings &settings);

} // namespace grabix

#endif
