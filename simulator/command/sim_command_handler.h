// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_COMMAND_HANDLER_H
#define CAMSIM_COMMAND_HANDLER_H

// What the simulated camera does with one command request: change its state
// and frame the reply. No sockets and no faults here (the responder applies
// those), so every answer can be checked on its own.
//
// Thread rules: answer() may be called from any thread; all state lives in
// the SimCameraState, which locks itself.

#include "command/sim_camera_state.h"
#include "command/sim_command_codec.h"

#include <optional>

namespace camsim {

class SimCommandHandler {
public:
    explicit SimCommandHandler(SimCameraState &state) : state_(state) {}

    struct Options {
        bool zeroResolutionCount = false;
    };

    // The reply, or nullopt for requests the camera ignores (neither family).
    std::optional<Bytes> answer(const SimRequest &request, const Options &options) const;

private:
    Bytes answerSetCmd(const SimRequest &request, const Options &options) const;
    Bytes answerFrame9999(const SimRequest &request) const;
    Bytes resolutionListPayload(bool zeroCount) const;
    Bytes pictureParamsPayload() const;

    SimCameraState &state_;
};

} // namespace camsim

#endif
