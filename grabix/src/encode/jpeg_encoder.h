// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_JPEG_ENCODER_H
#define GRABIX_JPEG_ENCODER_H

// Compresses captured frames to baseline JPEG with TurboJPEG into a buffer
// it keeps between frames (a full screen is encoded without allocating).
//
// Thread rules: one instance per thread.

#include "capture/frame.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace grabix {

class JpegEncoder {
public:
    // quality 1..100. Chroma is subsampled 4:2:0: the usual Motion-JPEG
    // choice, which every player decodes and keeps files small.
    explicit JpegEncoder(int quality = 85);
    ~JpegEncoder();
    JpegEncoder(const JpegEncoder &) = delete;
    JpegEncoder &operator=(const JpegEncoder &) = delete;

    // The JPEG bytes, valid until the next call; empty with the reason
    // when the frame could not be compressed.
    struct Bytes {
        const std::uint8_t *data = nullptr;
        std::size_t size = 0;
    };
    Bytes encode(const Frame &frame, std::string &why);

private:
    void *handle_;
    const int quality_;
    std::vector<std::uint8_t> buffer_;
};

} // namespace grabix

#endif
