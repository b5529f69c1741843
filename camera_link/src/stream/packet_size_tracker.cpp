// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/packet_size_tracker.h"

#include <cstdio>

namespace qv {

void PacketSizeTracker::observeType3Datagram(int datagramLength)
{
    int size = datagramLength - kType3HeaderBytes;
    if (size == current_) {
        mismatches_ = 0;
        return;
    }
    // Only the full-packet lengths of the three sizes the camera uses count;
    // the short last packet of a frame says nothing about the size.
    if (datagramLength != 1441 && datagramLength != 2951 && datagramLength != 1439)
        return;
    if (mismatches_ > 3) {
        current_ = size;
        mismatches_ = 0;
        std::printf("QV: %d: udp set byte per packet size %d \n", 568, size);
        return;
    }
    ++mismatches_;
}

} // namespace qv
