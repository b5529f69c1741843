// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_SIMULATED_CAMERA_H
#define CORVANE_TEST_SIMULATED_CAMERA_H

// One simulated camera inside the test process: command side and stream on
// one loopback address, the moving-sheet scene at 30 frames/s. It offers
// only the listed picture sizes and starts on the first, so the
// application's start request for 3840x2880 is answered but changes
// nothing. `ok` says whether both sides could bind.

#include "command/sim_camera_state.h"
#include "command/sim_command_side.h"
#include "scene/sim_scene_frame_source.h"
#include "stream/sim_stream_server.h"
#include "stream/sim_stream_settings.h"

#include <string>
#include <vector>

struct SimulatedCameraOptions {
    std::vector<camsim::Resolution> sizes{{640, 480, 30}};
    camsim::StreamTransport transport = camsim::StreamTransport::Udp66;
    bool paused = false; // the stream sends nothing until unpaused
};

struct SimulatedCamera {
    using Options = SimulatedCameraOptions;

    explicit SimulatedCamera(const std::string &address, const Options &options = Options())
        : scene(state), stream(address, scene), commands(state)
    {
        state.setResolutions(options.sizes);
        state.selectResolution(options.sizes.front().width, options.sizes.front().height);
        camsim::CommandSideOptions commandOptions;
        commandOptions.bindAddress = address;
        ok = commands.start(commandOptions);
        stream.setPaused(options.paused);
        camsim::StreamSettings settings;
        settings.fps = 30;
        settings.transport = options.transport;
        ok = ok && stream.start(settings);
    }
    ~SimulatedCamera()
    {
        stream.stop();
        commands.stop();
    }
    SimulatedCamera(const SimulatedCamera &) = delete;
    SimulatedCamera &operator=(const SimulatedCamera &) = delete;

    camsim::SimCameraState state;
    camsim::SceneFrameSource scene;
    camsim::StreamServer stream;
    camsim::SimCommandSide commands;
    bool ok = false;
};

#endif
