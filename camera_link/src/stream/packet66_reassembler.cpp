// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/packet66_reassembler.h"

#include "stream/wire_bytes.h"

#include <cstdio>
#include <cstring>

namespace qv {

namespace {

struct Header66 {
    int32_t kind;
    uint8_t frameId;
    uint32_t total;
    int32_t width;
    int32_t height;
    uint32_t index;
    uint32_t payload;
    uint32_t tilt;
    uint32_t info;
};

Header66 readHeader(const uint8_t *d)
{
    return Header66{d[2], d[3], readLe32(d + 4), readLe16(d + 8), readLe16(d + 10),
                    readLe16(d + 12), readLe16(d + 14), readLe32(d + 16), readLe32(d + 20)};
}

} // namespace

void Packet66Reassembler::Slot::clear()
{
    active = false;
    frameId = 0;
    kind = 0;
    total = 0;
    bytesReceived = 0;
    packetsReceived = 0;
    seen.reset();
}

Packet66Reassembler::Packet66Reassembler(PacketSizeTracker &packetSize, FrameSink &sink,
                                         size_t bufferBytes)
    : packetSize_(packetSize), sink_(sink), bufferBytes_(bufferBytes)
{
    for (Slot &slot : slots_)
        slot.buffer.assign(bufferBytes_, 0);
}

bool Packet66Reassembler::fits(uint32_t index, uint32_t payload) const
{
    uint64_t end = static_cast<uint64_t>(index) * static_cast<uint64_t>(packetSize_.current()) + payload;
    return end <= bufferBytes_;
}

void Packet66Reassembler::feed(const uint8_t *datagram, size_t length)
{
    if (length < kHeaderBytes)
        return;
    Header66 h = readHeader(datagram);
    if (h.payload > length - kHeaderBytes || h.index >= kMaxPackets)
        return;
    if (slots_[0].active && slots_[0].frameId == h.frameId) {
        addToSlot(slots_[0], 484, datagram);
        return;
    }
    if (slots_[1].active && slots_[1].frameId == h.frameId) {
        addToSlot(slots_[1], 521, datagram);
        return;
    }
    startFrame(datagram);
}

void Packet66Reassembler::addToSlot(Slot &slot, int repeatMessage, const uint8_t *datagram)
{
    Header66 h = readHeader(datagram);
    if (slot.seen.test(h.index)) {
        std::printf("QV: %d: warn repeat data. \n", repeatMessage);
        return;
    }
    if (!fits(h.index, h.payload))
        return;
    slot.seen.set(h.index);
    slot.bytesReceived += h.payload;
    ++slot.packetsReceived;
    std::memcpy(slot.buffer.data() + h.index * static_cast<uint32_t>(packetSize_.current()),
                datagram + kHeaderBytes, h.payload);
    if (slot.bytesReceived == h.total)
        complete(slot, datagram);
}

void Packet66Reassembler::startFrame(const uint8_t *datagram)
{
    Header66 h = readHeader(datagram);
    // Tiny totals are not pictures; totals beyond the buffer could never be
    // copied out.
    if (h.total < kSmallestFrame || h.total > bufferBytes_)
        return;
    if (static_cast<uint64_t>(h.index) * h.payload + h.payload > bufferBytes_)
        return;
    packetSize_.set(static_cast<int>(h.payload));
    Slot &slot = slots_[0].active ? slots_[1] : slots_[0];
    slot.clear();
    slot.active = true;
    slot.frameId = h.frameId;
    slot.kind = h.kind;
    slot.total = h.total;
    slot.bytesReceived = h.payload;
    slot.packetsReceived = 1;
    slot.seen.set(h.index);
    std::memcpy(slot.buffer.data() + h.index * h.payload, datagram + kHeaderBytes, h.payload);
    // A frame that fits one packet is complete at once.
    if (slot.bytesReceived == h.total)
        complete(slot, datagram);
}

void Packet66Reassembler::complete(Slot &slot, const uint8_t *datagram)
{
    Header66 h = readHeader(datagram);
    if (h.total > 0 && h.total <= bufferBytes_) {
        sink_.setTiltWord(h.tilt);
        VideoFrame frame;
        frame.bytes = slot.buffer.data();
        frame.length = static_cast<int32_t>(h.total);
        frame.kind = h.kind;
        frame.info = h.info;
        frame.width = h.width;
        frame.height = h.height;
        sink_.deliverVideo(frame);
    }
    slots_[0].clear();
    slots_[1].clear();
}

} // namespace qv
