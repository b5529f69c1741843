// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_PACKET_SIZE_TRACKER_H
#define QV_PACKET_SIZE_TRACKER_H

// The payload size of a full UDP packet, which fixes where each packet lands
// in its frame buffer. Both packet formats share it: a new 0x66 frame sets it
// from its first packet, type-3 datagrams switch it only after five
// consecutive full-size datagrams of another known size, so one odd datagram
// cannot scramble frames in progress.
//
// Thread rules: belongs to the UDP receive thread (no lock).

namespace qv {

class PacketSizeTracker {
public:
    static constexpr int kInitialSize = 1390;
    static constexpr int kType3HeaderBytes = 51;

    int current() const { return current_; }
    void set(int size) { current_ = size; }
    // Every non-0x66 datagram passes through here with its length.
    void observeType3Datagram(int datagramLength);

private:
    int current_ = kInitialSize;
    int mismatches_ = 0;
};

} // namespace qv

#endif
