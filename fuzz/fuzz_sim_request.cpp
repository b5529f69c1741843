// SPDX-License-Identifier: GPL-3.0-or-later

// Requests as the simulated camera receives them from the network: parse,
// describe, answer.

#include "command/sim_camera_state.h"
#include "command/sim_command_codec.h"
#include "command/sim_command_handler.h"
#include "command/sim_request_text.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static camsim::SimCameraState state;
    static camsim::SimCommandHandler handler(state);
    const std::vector<uint8_t> datagram(data, data + size);
    const camsim::SimRequest request = camsim::parseRequest(datagram.data(), datagram.size());
    camsim::describeRequest(request);
    camsim::SimCommandHandler::Options options;
    options.zeroResolutionCount = size % 2 == 1;
    handler.answer(request, options);
    return 0;
}
