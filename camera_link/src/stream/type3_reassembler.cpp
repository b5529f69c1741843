// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream/type3_reassembler.h"

#include "stream/byte_restoration.h"
#include "stream/wire_bytes.h"

#include <cstdio>
#include <cstring>

namespace qv {

namespace {

struct Header3 {
    uint32_t restorationOff; // 0 = one byte of the frame is stored inverted
    int32_t kind;
    uint32_t frameId;
    uint32_t total;
    uint32_t index;
    uint32_t packetCount;
    uint32_t payload;
    int32_t width;
    int32_t height;
    uint32_t info;
};

Header3 readHeader(const uint8_t *d)
{
    return Header3{readLe32(d + 16), d[24],           readLe32(d + 25), readLe32(d + 29),
                   readLe16(d + 33), readLe16(d + 35), readLe16(d + 37), readLe16(d + 43),
                   readLe16(d + 45), readLe32(d + 47)};
}

} // namespace

void Type3Reassembler::Slot::clear()
{
    active = false;
    frameId = 0;
    kind = 0;
    total = 0;
    packetsReceived = 0;
    seen.reset();
}

Type3Reassembler::Type3Reassembler(PacketSizeTracker &packetSize, FrameSink &sink,
                                   size_t frameDataBytes)
    : packetSize_(packetSize), sink_(sink), frameDataBytes_(frameDataBytes)
{
    for (Slot &slot : slots_)
        slot.data.assign(frameDataBytes_, 0);
}

void Type3Reassembler::feed(const uint8_t *datagram, size_t length)
{
    if (length < kHeaderBytes || readLe16(datagram + 2) != 3)
        return;
    sink_.setTiltWord(readLe32(datagram + 8));
    Header3 h = readHeader(datagram);
    if (h.payload > length - kHeaderBytes || h.index == 0 || h.index > kMaxPackets)
        return;
    uint64_t end = static_cast<uint64_t>(h.index - 1) * static_cast<uint64_t>(packetSize_.current()) +
                   h.payload;
    if (end > frameDataBytes_)
        return;

    if (slots_[0].active && slots_[0].frameId == h.frameId) {
        addToSlot(slots_[0], 625, datagram);
        return;
    }
    if (slots_[1].active && slots_[1].frameId == h.frameId) {
        addToSlot(slots_[1], 664, datagram);
        return;
    }
    // The older frame (smaller id) gives way: it has most likely lost a packet.
    startFrame(slots_[0].frameId < slots_[1].frameId ? slots_[0] : slots_[1], datagram);
}

void Type3Reassembler::copyPayload(Slot &slot, const uint8_t *datagram)
{
    Header3 h = readHeader(datagram);
    slot.seen.set(h.index - 1);
    ++slot.packetsReceived;
    std::memcpy(slot.data.data() + (h.index - 1) * static_cast<uint32_t>(packetSize_.current()),
                datagram + kHeaderBytes, h.payload);
    if (static_cast<uint32_t>(slot.packetsReceived) == h.packetCount)
        complete(slot, datagram);
}

void Type3Reassembler::addToSlot(Slot &slot, int repeatMessage, const uint8_t *datagram)
{
    Header3 h = readHeader(datagram);
    if (slot.seen.test(h.index - 1)) {
        std::printf("QV: %d: warn repeat data. \n", repeatMessage);
        return;
    }
    copyPayload(slot, datagram);
}

void Type3Reassembler::startFrame(Slot &slot, const uint8_t *datagram)
{
    Header3 h = readHeader(datagram);
    slot.clear();
    slot.active = true;
    slot.frameId = h.frameId;
    slot.kind = h.kind;
    slot.total = h.total;
    // A frame of one packet completes here at once.
    copyPayload(slot, datagram);
}

void Type3Reassembler::complete(Slot &slot, const uint8_t *datagram)
{
    Header3 h = readHeader(datagram);
    // The completing packet's total is the frame's length; one that is empty
    // or larger than the buffer cannot be handed out.
    if (h.total > 0 && h.total <= frameDataBytes_) {
        if (h.restorationOff == 0)
            restoreInvertedByte(slot.data.data(), h.total, h.info);
        VideoFrame frame;
        frame.bytes = slot.data.data();
        frame.length = static_cast<int32_t>(h.total);
        frame.kind = h.kind;
        frame.info = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(h.info)));
        frame.width = h.width;
        frame.height = h.height;
        sink_.deliverVideo(frame);
    }
    slot.clear();
}

} // namespace qv
