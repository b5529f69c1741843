// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/recording_settings.h"

#include <cstring>

namespace grabix {

Failure readSettings(const GrabixParams &params, RecordingSettings &settings)
{
    const void *end = std::memchr(params.path, '\0', sizeof params.path);
    if (!end)
        return {GRABIX_ERR_PATH, "the output path does not end inside its " +
                                     std::to_string(sizeof params.path) + "-byte field"};
    const auto length = static_cast<std::size_t>(static_cast<const char *>(end) - params.path);
    if (length == 0)
        return {GRABIX_ERR_PATH, "the output path is empty"};
    if (params.frameRate < 1 || params.frameRate > kMaxFrameRate)
        return {GRABIX_ERR_PARAMS, "frame rate " + std::to_string(params.frameRate) +
                                       " is outside 1.." + std::to_string(kMaxFrameRate)};
    if (params.width <= 0 || params.height <= 0)
        return {GRABIX_ERR_PARAMS, "the capture rectangle " + std::to_string(params.width) + "x" +
                                       std::to_string(params.height) + " has no area"};
    settings.path.assign(params.path, length);
    settings.rect = {params.left, params.top, params.width, params.height};
    settings.frameRate = params.frameRate;
    settings.audio = params.audio != 0;
    return {};
}

} // namespace grabix
