// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_TCP_RECEIVER_H
#define QV_TCP_RECEIVER_H

// The TCP receive thread of a preview stream: connects to the camera's
// stream port, retries while the stream runs (100 ms after a dropped
// connection, 1000 ms after a failed connect), and feeds the bytes through
// the boundary parser into the record decoder. A connection that stays
// silent for the receive time-out counts as dropped.
//
// Thread rules: the owner (PreviewStream) calls start() once, then — after
// raising the stop signal — wakeUp() and join() from its own thread. The
// socket handle is guarded by a lock only so that wakeUp() can shut a
// blocked receive down; only the receive thread opens and closes it.

#include "stream/frame_sink.h"
#include "stream/preview_options.h"
#include "stream/stop_signal.h"
#include "stream/stream_fields.h"
#include "transport/socket_layer.h"

#include <mutex>
#include <string>
#include <thread>

namespace qv {

class TcpReceiver {
public:
    TcpReceiver(std::string ip, const PreviewOptions &options, StreamFields &fields,
                FrameSink &sink, StopSignal &stop);
    ~TcpReceiver(); // joins if the owner did not

    void start(); // throws std::system_error when no thread can be made
    // Ends a receive that is waiting for data (call after raising stop).
    void wakeUp();
    void join();

private:
    void run();
    void receiveLoop();
    bool adoptSocket(NativeSocket s);
    void closeOwnSocket();

    const std::string ip_;
    const PreviewOptions options_;
    StreamFields &fields_;
    FrameSink &sink_;
    StopSignal &stop_;
    std::mutex socketLock_;
    NativeSocket socket_ = kInvalidSocket;
    std::thread thread_;
};

} // namespace qv

#endif
