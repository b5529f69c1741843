// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_JPEG_SPLICE_H
#define CAMSIM_SCENE_JPEG_SPLICE_H

// Replaces the top rows of an encoded JPEG without encoding it again.
//
// Both pictures must be baseline JPEGs written with the same tables (same
// quality, standard Huffman tables) and with a restart marker after every
// row of blocks. The entropy-coded data between restart markers is then
// independent, so the first segments of the picture can be exchanged for
// those of a separately encoded strip of the same width. This is what lets
// the simulator stamp a fresh frame counter into a 4K frame at 30 frames/s.
//
// Thread rules: stateless; callable from any thread.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace camsim {

struct JpegLayout {
    size_t scanStart = 0;                              // first byte after the SOS header
    std::vector<std::pair<size_t, size_t>> segments;   // [begin, end) of each restart segment
    int mcuHeight = 0;                                 // pixel rows per block row
    int restartInterval = 0;                           // blocks per restart segment
    int width = 0;
    int height = 0;
};

// Walks the marker structure; false for anything that is not a single-scan
// baseline JPEG with a restart interval.
bool parseJpegLayout(const std::vector<uint8_t> &jpeg, JpegLayout &layout);

// picture with its first `segments` restart segments taken from strip.
// Empty result when the layouts do not allow it.
std::vector<uint8_t> spliceTopSegments(const std::vector<uint8_t> &picture,
                                       const std::vector<uint8_t> &strip, size_t segments);

} // namespace camsim

#endif
