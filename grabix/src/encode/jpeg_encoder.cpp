// SPDX-License-Identifier: GPL-3.0-or-later

#include "encode/jpeg_encoder.h"

#include <turbojpeg.h>

namespace grabix {

namespace {

int turboFormat(PixelLayout layout)
{
    switch (layout) {
    case PixelLayout::Bgrx: return TJPF_BGRX;
    case PixelLayout::Rgbx: return TJPF_RGBX;
    case PixelLayout::Xrgb: return TJPF_XRGB;
    case PixelLayout::Xbgr: return TJPF_XBGR;
    case PixelLayout::Bgr: return TJPF_BGR;
    case PixelLayout::Rgb: return TJPF_RGB;
    }
    return TJPF_BGRX;
}

} // namespace

JpegEncoder::JpegEncoder(int quality) : handle_(tjInitCompress()), quality_(quality) {}

JpegEncoder::~JpegEncoder()
{
    if (handle_)
        tjDestroy(handle_);
}

JpegEncoder::Bytes JpegEncoder::encode(const Frame &frame, std::string &why)
{
    if (!handle_) {
        why = "the JPEG compressor could not be created";
        return {};
    }
    const unsigned long bound = tjBufSize(frame.width, frame.height, TJSAMP_420);
    if (bound == static_cast<unsigned long>(-1)) {
        why = tjGetErrorStr2(handle_);
        return {};
    }
    if (buffer_.size() < bound)
        buffer_.resize(bound);
    unsigned char *out = buffer_.data();
    unsigned long size = bound;
    // NOREALLOC: the buffer is large enough for any picture of this size.
    if (tjCompress2(handle_, frame.pixels.data(), frame.width, frame.stride, frame.height,
                    turboFormat(frame.layout), &out, &size, TJSAMP_420, quality_,
                    TJFLAG_NOREALLOC | TJFLAG_FASTDCT) != 0) {
        why = tjGetErrorStr2(handle_);
        return {};
    }
    return {buffer_.data(), static_cast<std::size_t>(size)};
}

} // namespace grabix
