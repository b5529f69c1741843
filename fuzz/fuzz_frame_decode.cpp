// SPDX-License-Identifier: GPL-3.0-or-later

// Camera frames as the live view decodes them (TurboJPEG, scaled decoding,
// OpenCV for ink-colour JPEGs): any bytes must give a null picture or one
// of the header's size at the chosen scale, and must never leave the
// decoder unable to read the next good frame.
//
// The first input byte picks the scale; the rest is the frame.

#include "core/live_view/display_decode_scale.h"
#include "core/live_view/jpeg_frame_decoder.h"
#include "core/live_view/picture_buffer_pool.h"

#include <turbojpeg.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// A small good frame, made once.
const std::vector<unsigned char> &goodFrame()
{
    static const std::vector<unsigned char> frame = []() {
        std::vector<unsigned char> pixels(16 * 16 * 3, 128);
        tjhandle compressor = tjInitCompress();
        unsigned char *jpeg = nullptr;
        unsigned long size = 0;
        tjCompress2(compressor, pixels.data(), 16, 0, 16, TJPF_RGB, &jpeg, &size, TJSAMP_420, 90, 0);
        std::vector<unsigned char> bytes(jpeg, jpeg + size);
        tjFree(jpeg);
        tjDestroy(compressor);
        return bytes;
    }();
    return frame;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 4 * 1024 * 1024)
        return 0;
    // As on a decoder thread: pictures from a recycled pool.
    static JpegFrameDecoder decoder;
    static const bool pooled = (decoder.setPicturePool(PictureBufferPool::create()), true);
    (void)pooled;
    const JpegScale scales[] = {{1, 1}, {1, 2}, {1, 4}, {1, 8}};
    const JpegScale scale = scales[data[0] % 4];
    const unsigned char *frame = data + 1;
    const int frameSize = int(size - 1);

    const QSize declared = decoder.frameSize(frame, frameSize);
    // Pictures of many megapixels from a few fuzzed bytes only make the run
    // slow; the size limit itself is covered by the unit tests.
    if (declared.isValid() && qint64(declared.width()) * declared.height() > 4 * 1024 * 1024)
        return 0;
    const QImage picture = decoder.decode(frame, frameSize, scale);
    if (!picture.isNull()) {
        if (!declared.isValid())
            abort();
        // Scaled as asked, or full size for the ink-colour path.
        const QSize scaled(scale.apply(declared.width()), scale.apply(declared.height()));
        if (picture.size() != scaled && picture.size() != declared)
            abort();
        (void)displayDecodeScale(declared, picture.height());
    }
    const auto &good = goodFrame();
    if (decoder.decode(good.data(), int(good.size())).size() != QSize(16, 16))
        abort();
    return 0;
}
