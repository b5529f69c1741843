// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_FRAME_PACKER_H
#define CAMSIM_STREAM_FRAME_PACKER_H

// Turns one source frame into what goes on the wire for the chosen
// transport: its datagrams (UDP) or its one boundary record (TCP). Frames
// due for the oversize fault are padded first.
//
// Thread rules: stateless; callable from any thread.

#include "stream/sim_stream_frame_source.h"
#include "stream/sim_stream_settings.h"
#include "stream/sim_stream_wire.h"

#include <vector>

namespace camsim {

std::vector<Datagram> packFrame(const SourceFrame &frame, const StreamSettings &settings,
                                const StreamFaults &faults, uint32_t counter);

} // namespace camsim

#endif
