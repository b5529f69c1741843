// SPDX-License-Identifier: GPL-3.0-or-later

// The simulator reads one kind of datagram from the network: the receiver's
// stream control datagram. Any bytes must give start, stop or nothing, and
// nothing else unless the datagram is well formed.

#include "../simulator/stream/sim_stream_control.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const camsim::StreamControl c = camsim::parseStreamControl(data, size);
    if (c != camsim::StreamControl::None &&
        (size < 4 || data[0] != 0x99 || data[1] != 0x99 || data[3] != 0 || (data[2] != 1 && data[2] != 2)))
        std::abort();
    return 0;
}
