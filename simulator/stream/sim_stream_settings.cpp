// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_settings.h"

#include "stream/sim_stream_wire.h"

#include <algorithm>

namespace camsim {

const char *transportName(StreamTransport transport)
{
    switch (transport) {
    case StreamTransport::Udp66: return "udp66";
    case StreamTransport::Udp3: return "udp3";
    case StreamTransport::Udp3Plain: return "udp3-plain";
    case StreamTransport::Tcp: return "tcp";
    }
    return "?";
}

bool parseTransport(const std::string &text, StreamTransport &transport)
{
    for (StreamTransport t : {StreamTransport::Udp66, StreamTransport::Udp3,
                              StreamTransport::Udp3Plain, StreamTransport::Tcp}) {
        if (text == transportName(t)) {
            transport = t;
            return true;
        }
    }
    return false;
}

size_t frameByteLimit(const StreamSettings &settings)
{
    const size_t packets = static_cast<size_t>(std::max(settings.packetSize, 1)) * kMaxPacketsPerFrame;
    switch (settings.transport) {
    case StreamTransport::Udp66: return std::min(kUdp66FrameLimit, packets);
    case StreamTransport::Udp3:
    case StreamTransport::Udp3Plain: return std::min(kUdp3FrameLimit, packets);
    case StreamTransport::Tcp: return kTcpFrameLimit;
    }
    return kUdp3FrameLimit;
}

} // namespace camsim
