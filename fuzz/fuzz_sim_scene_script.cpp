// SPDX-License-Identifier: GPL-3.0-or-later

// Scene scripts as camsim reads them from a file named on its command line:
// parse, and play the parsed script's moments across its whole length.

#include "scene/sim_scene_script.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    camsim::SceneScript script;
    std::string error;
    if (!camsim::parseSceneScript(text, script, &error)) {
        if (error.empty()) // a refusal always says why
            __builtin_trap();
        return 0;
    }
    const double total = script.totalSeconds();
    for (int i = 0; i <= 16; ++i) {
        const camsim::SceneMoment m = camsim::sceneMomentAt(script, total * i / 16.0 + (i == 16));
        if (m.step >= script.steps.size() || m.phase < 0 || m.phase > 1 || m.page < 0)
            __builtin_trap();
    }
    return 0;
}
