// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_JPEG_TAGS_H
#define CAMSIM_STREAM_JPEG_TAGS_H

// Comment segments the simulator puts into its JPEG frames. A tag
// "camsim frame N" right after the start marker lets a receiver identify a
// frame whatever transport carried it (the TCP records hand out no info
// word); padding comments grow a frame to a chosen size for the oversize
// fault. Decoders skip comment segments, so the picture is unchanged.
//
// Thread rules: stateless; callable from any thread.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace camsim {

// jpeg with the frame tag inserted after its start marker (unchanged if it
// does not begin with FF D8).
std::vector<uint8_t> withFrameTag(const std::vector<uint8_t> &jpeg, uint32_t counter);

// Reads the tag back; false when the data does not start with one.
bool readFrameTag(const uint8_t *data, size_t length, uint32_t &counter);

// Inserts comment segments after the start marker until the frame is at
// least targetBytes long.
void padToSize(std::vector<uint8_t> &jpeg, size_t targetBytes);

} // namespace camsim

#endif
