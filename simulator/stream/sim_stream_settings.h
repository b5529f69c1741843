// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_SETTINGS_H
#define CAMSIM_STREAM_SETTINGS_H

// How the simulated camera streams: transport, rate, packet size, frame
// fields, pacing, and the fault knobs.
//
// Thread rules: plain values; copied between threads only under the lock of
// whoever holds them (StreamKnobs for the faults).

#include <cstddef>
#include <cstdint>
#include <string>

namespace camsim {

enum class StreamTransport {
    Udp66,     // 0x66 packets on UDP 8030
    Udp3,      // type-3 packets with one inverted byte
    Udp3Plain, // type-3 packets without the inverted byte
    Tcp,       // boundary records on TCP 7060
};

const char *transportName(StreamTransport transport);
// "udp66", "udp3", "udp3-plain", "tcp"; false for anything else.
bool parseTransport(const std::string &text, StreamTransport &transport);

struct StreamFaults {
    double loss = 0.0;      // per datagram (per record on TCP): not sent
    double duplicate = 0.0; // per datagram (per record on TCP): sent twice
    double reorder = 0.0;   // per datagram after a frame's first: swapped with the next
    double garbage = 0.0;   // per frame: one datagram (TCP: a run of bytes) of random bytes
    uint32_t oversizeEvery = 0; // every N-th frame is padded to oversizeBytes (0 = never)
    size_t oversizeBytes = 0;
};

struct StreamSettings {
    StreamTransport transport = StreamTransport::Udp66;
    int fps = 30;
    int packetSize = 1390;  // UDP payload bytes per datagram
    uint8_t kind = 1;       // frame kind written into every frame
    uint32_t tilt = 0;      // tilt word written into every frame
    size_t tcpTrailingPad = 0; // zero bytes after the JPEG inside TCP records
    // Datagrams go out in bursts with short gaps, as over a radio link;
    // a whole 1 MB frame at once would overflow a receiver's socket buffer.
    int burstPackets = 48;
    int burstGapMicros = 150;
    int keepAliveTimeoutMs = 3000; // UDP subscriber forgotten after this silence
    uint32_t seed = 1;             // for the fault knobs' random choices
    StreamFaults faults;
};

// Bytes a frame may have on this transport (receiver buffers, 1024 packets,
// and the library's hand-out limit).
size_t frameByteLimit(const StreamSettings &settings);

} // namespace camsim

#endif
