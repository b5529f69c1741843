// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_PREVIEW_OPTIONS_H
#define QV_PREVIEW_OPTIONS_H

// Where and how a preview stream listens. QV_StartPreview always uses the
// defaults (the camera's ports and time-outs); tests shorten the waits.
//
// Thread rules: a plain value; each receiver keeps its own copy from
// creation on, so nothing is shared.

#include "transport/udp_link.h"

namespace qv {

struct PreviewOptions {
    int udpPort = kStreamUdpPort;
    int tcpPort = kStreamTcpPort;
    int udpReceiveTimeoutMs = 500;
    // A TCP connection silent for this long is dropped and made again.
    int tcpReceiveTimeoutMs = 3000;
    // Empty receive passes (time-out plus 10 ms pause each) before the UDP
    // side declares the camera gone: about two and a half minutes.
    int silentPassesBeforeDisconnect = 300;
    int keepAliveIntervalMs = 600;
};

} // namespace qv

#endif
