// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_STREAM_SOCKET_H
#define QV_STREAM_SOCKET_H

#include "socket_layer.h"

namespace qv {

// Starts a non-blocking connect to ip:7060 and returns the socket switched
// back to blocking mode (the connection may still be in progress; the first
// receive tells). Returns kInvalidSocket when no connection attempt is under
// way. Receive/send time-outs are timeoutMs (the camera link uses 3000 ms).
NativeSocket connectStreamSocket(const char *ip, int port, int timeoutMs = 3000);

} // namespace qv

#endif
