// SPDX-License-Identifier: LGPL-2.1-or-later

#include "udp_link.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#if !defined(_WIN32)
#include <sys/uio.h>
#endif

namespace qv {

namespace {

UdpLink *failOpen(UdpLink *link, NativeSocket s)
{
    if (s != kInvalidSocket)
        closeSocket(s);
    socketLayerRelease();
    std::free(link);
    return nullptr;
}

} // namespace

UdpLink *openUdpLink(const char *ip, int port, int timeoutMs)
{
    auto *link = static_cast<UdpLink *>(std::calloc(1, sizeof(UdpLink)));
    if (!link)
        return nullptr;
    if (!socketLayerStart(2, 1)) {
        std::printf("Winsock无法初始化!\n");
        socketLayerRelease();
        std::free(link);
        return nullptr;
    }
    link->peer.sin_family = AF_INET;
    link->peer.sin_port = htons(static_cast<uint16_t>(port));
    link->peer.sin_addr.s_addr = parseIpv4OrAllOnes(ip);
    link->peerLength = sizeof(sockaddr_in);

    NativeSocket s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == kInvalidSocket) {
        std::printf("socket create error.\n");
        return failOpen(link, kInvalidSocket);
    }
    link->socket = s;

    int one = 1;
    if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR,
                   reinterpret_cast<const char *>(&one), sizeof one) != 0) {
        std::printf("set SO_REUSEADDR error.\n");
        return failOpen(link, s);
    }
    int receiveBuffer = 0x100000;
    if (setsockopt(s, SOL_SOCKET, SO_RCVBUF,
                   reinterpret_cast<const char *>(&receiveBuffer),
                   sizeof receiveBuffer) != 0) {
        std::printf("set receive buffer fail.n");
        return failOpen(link, s);
    }
    setSocketTimeouts(s, timeoutMs);
    return link;
}

void closeUdpLink(UdpLink *link)
{
    if (!link)
        return;
    closeSocket(link->socket);
    socketLayerRelease();
    std::free(link);
}

int linkSend(UdpLink *link, const void *data, int length)
{
    if (!link || !data || length < 0)
        return -1;
    return static_cast<int>(::sendto(link->socket,
                                     static_cast<const char *>(data),
                                     static_cast<size_t>(length), 0,
                                     reinterpret_cast<const sockaddr *>(&link->peer),
                                     sizeof(sockaddr_in)));
}

int linkReceive(UdpLink *link, void *buffer, int capacity)
{
    if (!link || !buffer || capacity <= 0)
        return -1;
    sockaddr_in from{};
#if defined(_WIN32)
    int fromLength = sizeof from;
    int n = ::recvfrom(link->socket, static_cast<char *>(buffer), capacity, 0,
                       reinterpret_cast<sockaddr *>(&from), &fromLength);
    if (n < 0)
        return -1;
#else
    // recvmsg tells a truncated datagram apart from one that fitted exactly;
    // a datagram that did not fit is a failure, as on the camera's reference
    // platform, and nothing is written past capacity.
    iovec io{buffer, static_cast<size_t>(capacity)};
    msghdr msg{};
    msg.msg_name = &from;
    msg.msg_namelen = sizeof from;
    msg.msg_iov = &io;
    msg.msg_iovlen = 1;
    ssize_t n = ::recvmsg(link->socket, &msg, 0);
    if (n < 0)
        return -1;
    if (msg.msg_flags & MSG_TRUNC) {
        link->peer.sin_addr = from.sin_addr;
        link->peer.sin_port = from.sin_port;
        return -1;
    }
#endif
    link->peer.sin_family = AF_INET;
    link->peer.sin_addr = from.sin_addr;
    link->peer.sin_port = from.sin_port;
    return static_cast<int>(n);
}

bool linkEnableBroadcast(UdpLink *link)
{
    if (!link)
        return false;
    int one = 1;
    return setsockopt(link->socket, SOL_SOCKET, SO_BROADCAST,
                      reinterpret_cast<const char *>(&one), sizeof one) == 0;
}

} // namespace qv
