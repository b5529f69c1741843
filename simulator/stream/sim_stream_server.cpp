// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_server.h"

namespace camsim {

StreamServer::StreamServer(std::string address, FrameSource &source)
    : udp_(address, source, knobs_, stats_), tcp_(address, source, knobs_, stats_)
{
}

StreamServer::~StreamServer() { stop(); }

bool StreamServer::start(const StreamSettings &settings)
{
    stop();
    knobs_.setFaults(settings.faults);
    if (settings.transport == StreamTransport::Tcp)
        return tcp_.start(settings);
    return udp_.start(settings);
}

void StreamServer::stop()
{
    udp_.stop();
    tcp_.stop();
}

size_t StreamServer::receiverCount() const
{
    return udp_.subscriberCount() + tcp_.clientCount();
}

} // namespace camsim
