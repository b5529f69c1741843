// SPDX-License-Identifier: LGPL-2.1-or-later

#include "stream_socket.h"

#include <cstdio>

namespace qv {

NativeSocket connectStreamSocket(const char *ip, int port, int timeoutMs)
{
    if (!socketLayerStart(2, 2))
        return kInvalidSocket;
    NativeSocket s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == kInvalidSocket) {
        socketLayerRelease();
        return kInvalidSocket;
    }
    setNonBlocking(s, true);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<uint16_t>(port));
    target.sin_addr.s_addr = parseIpv4OrAllOnes(ip);

    int receiveBuffer = 0x80000;
    if (setsockopt(s, SOL_SOCKET, SO_RCVBUF,
                   reinterpret_cast<const char *>(&receiveBuffer),
                   sizeof receiveBuffer) != 0) {
        // Close the socket too, or every retry of the stream thread would
        // leak one.
        std::printf("set receive buffer fail.n");
        closeSocket(s);
        socketLayerRelease();
        return kInvalidSocket;
    }
    setSocketTimeouts(s, timeoutMs);

    if (::connect(s, reinterpret_cast<const sockaddr *>(&target), sizeof target) != 0) {
        SocketError e = lastSocketError();
        if (e == SocketError::InvalidArgument) {
            closeSocket(s);
            socketLayerRelease();
            return kInvalidSocket;
        }
        if (e != SocketError::AlreadyConnected && e != SocketError::WouldBlock) {
            std::printf("发生错误\n");
            closeSocket(s);
            socketLayerRelease();
            return kInvalidSocket;
        }
    }
    // The stream thread takes every failed receive for a time-out or a
    // drop, which holds only for a blocking socket.
    if (!setNonBlocking(s, false)) {
        closeSocket(s);
        socketLayerRelease();
        return kInvalidSocket;
    }
    return s;
}

} // namespace qv
