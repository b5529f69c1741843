// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_PACKET66_REASSEMBLER_H
#define QV_PACKET66_REASSEMBLER_H

// Reassembles JPEG frames from 0x66 packets (24-byte header, payload after
// it). Two slots let a frame finish while the next one starts; a frame that
// loses a packet waits in its slot until another frame takes the slot over.
// Packets whose index or payload would run past the 1 MiB frame buffer or
// the 1024 packet flags, or that claim more payload than arrived, are dropped.
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

class Packet66Reassembler {
public:
    static constexpr size_t kHeaderBytes = 24;
    static constexpr size_t kFrameBufferBytes = 0x100000;
    static constexpr int kMaxPackets = 1024;
    static constexpr uint32_t kSmallestFrame = 1501;

    // bufferBytes other than the default only for tests and fuzzers.
    Packet66Reassembler(PacketSizeTracker &packetSize, FrameSink &sink,
                        size_t bufferBytes = kFrameBufferBytes);
    // One datagram whose first byte is 0x66.
    void feed(const uint8_t *datagram, size_t length);

private:
    struct Slot {
        bool active = false;
        uint8_t frameId = 0;
        int32_t kind = 0;
        uint32_t total = 0;
        uint32_t bytesReceived = 0;
        int packetsReceived = 0;
        std::bitset<kMaxPackets> seen;
        std::vector<uint8_t> buffer;
        void clear();
    };

    bool fits(uint32_t index, uint32_t payload) const;
    void addToSlot(Slot &slot, int repeatMessage, const uint8_t *datagram);
    void startFrame(const uint8_t *datagram);
    void complete(Slot &slot, const uint8_t *datagram);

    PacketSizeTracker &packetSize_;
    FrameSink &sink_;
    const size_t bufferBytes_;
    Slot slots_[2];
};

} // namespace qv

#endif
