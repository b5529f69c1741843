// SPDX-License-Identifier: GPL-3.0-or-later

#include "encode/encode_thread.h"

#include <cstdio>
#include <pthread.h>

namespace grabix {

EncodeThread::EncodeThread(FrameQueue &queue, MediaSink &sink) : queue_(queue), sink_(sink) {}

EncodeThread::~EncodeThread()
{
    queue_.close();
    join();
}

void EncodeThread::start()
{
    thread_ = std::thread([this] { run(); });
}

void EncodeThread::join()
{
    if (thread_.joinable())
        thread_.join();
}

void EncodeThread::run()
{
    pthread_setname_np(pthread_self(), "grabix-encode");
    JpegEncoder encoder;
    Frame frame;
    while (queue_.pop(frame)) {
        std::string why;
        const JpegEncoder::Bytes jpeg = encoder.encode(frame, why);
        if (jpeg.size > 0) {
            sink_.addVideo(jpeg.data, jpeg.size);
            ++encoded_;
        } else if (failed_++ == 0) {
            std::fprintf(stderr, "grabix: a frame could not be compressed: %s\n", why.c_str());
        }
        queue_.recycle(std::move(frame));
    }
}

} // namespace grabix
