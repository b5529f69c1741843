// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_JPEG_FRAME_DECODER_H
#define CORVANE_JPEG_FRAME_DECODER_H

// Decodes one camera JPEG frame into a QImage that owns its pixels, with
// libjpeg-turbo's TurboJPEG interface: straight into the window's 32-bit
// pixel layout (no colour swap afterwards), optionally at a reduced scale
// (the decoder then skips most of the inverse DCT work, which is where a
// 3840x2880 frame spends its time). Grey JPEGs stay 8-bit grey.
//
// The camera sends JPEG only: anything else, and a header that claims more
// than 64 M pixels, gives a null image (OpenCV's other decoders would take
// a stray header's word for gigabytes). A CMYK JPEG goes to OpenCV's
// decoder, at full size, for the colour conversion. A frame with
// recoverable damage (cut short, a bad marker) decodes with the damage
// filled in, as OpenCV's decoder also shows it.
//
// Thread rules: one decoder per thread (it keeps a TurboJPEG handle);
// nothing shared.

#include <QImage>
#include <QSize>

#include <memory>

class PictureBufferPool;

// A TurboJPEG scaling factor: num/denom of the frame's size per side.
struct JpegScale {
    int num = 1;
    int denom = 1;
    bool operator==(const JpegScale &other) const { return num == other.num && denom == other.denom; }
    bool operator!=(const JpegScale &other) const { return !(*this == other); }
    // The scaled length of a side, rounded up as the decoder does.
    int apply(int side) const { return (side * num + denom - 1) / denom; }
};

class JpegFrameDecoder {
public:
    JpegFrameDecoder();
    ~JpegFrameDecoder();
    JpegFrameDecoder(const JpegFrameDecoder &) = delete;
    JpegFrameDecoder &operator=(const JpegFrameDecoder &) = delete;

    // The picture size in the frame's header; an invalid size when the bytes
    // are not a JPEG this decoder reads.
    QSize frameSize(const unsigned char *bytes, int size);

    // fastDct trades the accurate integer inverse DCT for the fast one; it
    // only matters at full scale.
    QImage decode(const unsigned char *bytes, int size, JpegScale scale = JpegScale(),
                  bool fastDct = false);

    // Pictures get their pixels from this pool (none: plain QImages).
    void setPicturePool(std::shared_ptr<PictureBufferPool> pool) { pool_ = std::move(pool); }

private:
    bool readHeader(const unsigned char *bytes, int size, int &width, int &height, int &colourspace);
    void renewHandle();

    void *handle_ = nullptr; // tjhandle
    std::shared_ptr<PictureBufferPool> pool_;
};

#endif
