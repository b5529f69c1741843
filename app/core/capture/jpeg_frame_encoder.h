// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_JPEG_FRAME_ENCODER_H
#define CORVANE_JPEG_FRAME_ENCODER_H

// Encodes a picture as a baseline JPEG with TurboJPEG (4:2:0, like the
// camera's own frames), for recordings of a turned or zoomed view.
//
// Thread rules: one encoder per thread (it keeps a TurboJPEG handle).

#include <QByteArray>

class QImage;

class JpegFrameEncoder {
public:
    static constexpr int kQuality = 90;

    JpegFrameEncoder();
    ~JpegFrameEncoder();
    JpegFrameEncoder(const JpegFrameEncoder &) = delete;
    JpegFrameEncoder &operator=(const JpegFrameEncoder &) = delete;

    // Empty when the picture is null or cannot be encoded.
    QByteArray encode(const QImage &picture, int quality = kQuality);

private:
    void *handle_ = nullptr; // tjhandle
};

#endif
