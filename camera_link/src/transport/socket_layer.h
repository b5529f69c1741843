// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_SOCKET_LAYER_H
#define QV_SOCKET_LAYER_H

// The small portability layer under the camera link: socket-layer start and
// release, the native socket type and the three error cases the protocol
// code distinguishes. Everything above this file is platform-neutral.

#include <cstdint>

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
namespace qv {
using NativeSocket = SOCKET;
constexpr NativeSocket kInvalidSocket = INVALID_SOCKET;
}
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
namespace qv {
using NativeSocket = int;
constexpr NativeSocket kInvalidSocket = -1;
}
#endif

namespace qv {

// Start the socket layer, asking for the given version. Every successful
// start is paired with one release. On POSIX there is nothing to start.
bool socketLayerStart(int major, int minor);
void socketLayerRelease();

// What went wrong with the last socket call on this thread.
enum class SocketError {
    None,
    WouldBlock,       // non-blocking call has nothing to do yet
    AlreadyConnected, // connect on a connected socket
    InvalidArgument,  // connect with a bad argument
    Other
};
SocketError lastSocketError();

void closeSocket(NativeSocket s);
bool setNonBlocking(NativeSocket s, bool on);
// Receive and send time-outs in milliseconds; results are not interesting.
void setSocketTimeouts(NativeSocket s, int milliseconds);

// Dotted-decimal IPv4 text to a network-order address; texts that do not
// parse give the all-ones address (INADDR_NONE), as the camera link expects.
uint32_t parseIpv4OrAllOnes(const char *text);

} // namespace qv

#endif
