// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_TYPE3_REASSEMBLER_H
#define QV_TYPE3_REASSEMBLER_H

// Reassembles JPEG frames from type-3 packets (24-byte packet header, 27-byte
// frame header, payload from byte 51). Two slots; a frame whose id neither
// slot holds takes the slot with the smaller (older) id. Frames may carry one
// inverted byte, restored on completion. Packets with an index outside
// 1..1024, a payload past the frame buffer or past the datagram, and frames
// whose announced length is zero or exceeds the buffer are dropped.
//
// Thread rules: belongs to the UDP receive thread (no lock); calls its sink
// on that thread.

#include "stream/frame_sink.h"
#include "stream/packet_size_tracker.h"

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

class Type3Reassembler {
public:
    static constexpr size_t kHeaderBytes = 51;
    // The frame buffer is 1 MiB of which the camera's design reserves 1040
    // bytes for slot state; frames keep that limit.
    static constexpr size_t kSlotStateBytes = 1040;
    static constexpr size_t kFrameDataBytes = 0x100000 - kSlotStateBytes;
    static constexpr int kMaxPackets = 1024;

    // frameDataBytes other than the default only for tests and fuzzers.
    Type3Reassembler(PacketSizeTracker &packetSize, FrameSink &sink,
                     size_t frameDataBytes = kFrameDataBytes);
    // One datagram whose first byte is not 0x66 (its length has already been
    // shown to the packet size tracker).
    void feed(const uint8_t *datagram, size_t length);

private:
    struct Slot {
        bool active = false;
        uint32_t frameId = 0;
        int32_t kind = 0;
        uint32_t total = 0;
        int packetsReceived = 0;
        std::bitset<kMaxPackets> seen;
        std::vector<uint8_t> data;
        void clear();
    };

    void addToSlot(Slot &slot, int repeatMessage, const uint8_t *datagram);
    void startFrame(Slot &slot, const uint8_t *datagram);
    void copyPayload(Slot &slot, const uint8_t *datagram);
    void complete(Slot &slot, const uint8_t *datagram);

    PacketSizeTracker &packetSize_;
    FrameSink &sink_;
    const size_t frameDataBytes_;
    Slot slots_[2];
};

} // namespace qv

#endif
