// SPDX-License-Identifier: LGPL-2.1-or-later

#include "socket_layer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

namespace qv {

bool socketLayerStart(int, int) { return true; }

void socketLayerRelease() {}

SocketError lastSocketError()
{
    switch (errno) {
    case 0:
        return SocketError::None;
    case EWOULDBLOCK:
#if EAGAIN != EWOULDBLOCK
    case EAGAIN:
#endif
    case EINPROGRESS:
    case EALREADY:
        return SocketError::WouldBlock;
    case EISCONN:
        return SocketError::AlreadyConnected;
    case EINVAL:
        return SocketError::InvalidArgument;
    default:
        return SocketError::Other;
    }
}

void closeSocket(NativeSocket s)
{
    if (s >= 0)
        ::close(s);
}

bool setNonBlocking(NativeSocket s, bool on)
{
    int flags = fcntl(s, F_GETFL, 0);
    if (flags < 0)
        return false;
    flags = on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    return fcntl(s, F_SETFL, flags) == 0;
}

void setSocketTimeouts(NativeSocket s, int milliseconds)
{
    timeval tv{};
    tv.tv_sec = milliseconds / 1000;
    tv.tv_usec = (milliseconds % 1000) * 1000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

uint32_t parseIpv4OrAllOnes(const char *text)
{
    in_addr a{};
    if (text && inet_pton(AF_INET, text, &a) == 1)
        return a.s_addr;
    return INADDR_NONE;
}

} // namespace qv
