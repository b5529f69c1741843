// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_UDP_RECEIVER_H
#define QV_UDP_RECEIVER_H

// The UDP receive thread of a preview stream: asks the camera to stream (and
// keeps asking every 600 ms), receives datagrams on the stream link, feeds
// them to the frame assembler, and says stop to the camera on the way out.
// Only datagrams from the camera's own address are accepted, and the link's
// peer is never allowed to move to another host, so nobody else on the
// network can inject pictures or redirect the keep-alive.
//
// Thread rules: the owner (PreviewStream) calls start() once and join() once
// from its own thread; the receive thread touches only its own locals, the
// stream fields (atomics) and the sink.

#include "stream/frame_sink.h"
#include "stream/preview_options.h"
#include "stream/stop_signal.h"
#include "stream/stream_fields.h"

#include <string>
#include <thread>

struct UdpLink;

namespace qv {

class UdpReceiver {
public:
    UdpReceiver(std::string ip, const PreviewOptions &options, StreamFields &fields,
                FrameSink &sink, StopSignal &stop);
    ~UdpReceiver(); // joins if the owner did not

    void start(); // throws std::system_error when no thread can be made
    void join();

private:
    void run();
    void receiveLoop(UdpLink *link);

    const std::string ip_;
    const PreviewOptions options_;
    StreamFields &fields_;
    FrameSink &sink_;
    StopSignal &stop_;
    std::thread thread_;
};

} // namespace qv

#endif
