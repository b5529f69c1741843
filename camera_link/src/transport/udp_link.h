// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_UDP_LINK_H
#define QV_UDP_LINK_H

// One UDP conversation with one peer. The peer is both where linkSend goes
// and where linkReceive records the sender of each datagram, so after a reply
// from another host later sends go to that host (discovery relies on it).
//
// Thread rules: a link belongs to whoever opened it; it has no lock.

#include "socket_layer.h"

#include <cstddef>

struct UdpLink {
    qv::NativeSocket socket;
    int peerLength; // always sizeof(sockaddr_in)
    sockaddr_in peer;
};

namespace qv {

constexpr int kCommandPort = 50000;
constexpr int kSerialPort = 52100;
constexpr int kStreamUdpPort = 8030;
constexpr int kStreamTcpPort = 7060;

// Opens a datagram socket aimed at ip:port with both time-outs set. Returns
// null (and prints the transport's diagnostic) on failure; every failure path
// releases what it had acquired.
UdpLink *openUdpLink(const char *ip, int port, int timeoutMs);
void closeUdpLink(UdpLink *link);

// One datagram to the peer: bytes sent, or negative on failure.
int linkSend(UdpLink *link, const void *data, int length);

// One datagram into buffer; the sender becomes the peer. Returns the byte
// count, or -1 on time-out, error, or a datagram larger than capacity (which
// is truncated, never written past capacity).
int linkReceive(UdpLink *link, void *buffer, int capacity);

// Allow sends to broadcast addresses on this link.
bool linkEnableBroadcast(UdpLink *link);

} // namespace qv

#endif
