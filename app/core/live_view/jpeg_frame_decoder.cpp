// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/jpeg_frame_decoder.h"

#include "core/live_view/frame_decoding.h"
#include "core/live_view/picture_buffer_pool.h"

#include <QtEndian>

#include <turbojpeg.h>

namespace {

// Far above any camera picture (3840x2880 is 11 M): a header that claims
// more is not decoded rather than allowed to claim gigabytes.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

constexpr int kColourFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB;

} // namespace

JpegFrameDecoder::JpegFrameDecoder() : handle_(tjInitDecompress())
{
}

JpegFrameDecoder::~JpegFrameDecoder()
{
    if (handle_)
        tjDestroy(handle_);
}

void JpegFrameDecoder::renewHandle()
{
    // A stream of only tables (FF D8 ... FF D9 without a picture) leaves
    // the TurboJPEG handle reporting 0x0 for every later, good frame; a
    // fresh handle after any failure costs little and is always clean.
    if (handle_)
        tjDestroy(handle_);
    handle_ = tjInitDecompress();
}

bool JpegFrameDecoder::readHeader(const unsigned char *bytes, int size, int &width, int &height,
                                  int &colourspace)
{
    if (!handle_ || !bytes || size <= 0)
        return false;
    int subsampling = 0;
    if (tjDecompressHeader3(handle_, bytes, static_cast<unsigned long>(size), &width, &height, &subsampling,
                            &colourspace)
            == 0
        && width > 0 && height > 0)
        return true;
    renewHandle();
    return false;
}

QSize JpegFrameDecoder::frameSize(const unsigned char *bytes, int size)
{
    int width = 0, height = 0, colourspace = 0;
    if (!readHeader(bytes, size, width, height, colourspace))
        return QSize();
    return QSize(width, height);
}

QImage JpegFrameDecoder::decode(const unsigned char *bytes, int size, JpegScale scale, bool fastDct)
{
    int width = 0, height = 0, colourspace = 0;
    if (!readHeader(bytes, size, width, height, colourspace) || qint64(width) * height > kMaxPixels)
        return QImage();
    // Ink colours need a conversion TurboJPEG does not do; OpenCV's decoder
    // does (the size is known to be sane by now).
    if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK)
        return decodeFrame(bytes, size);

    const bool grey = colourspace == TJCS_GRAY;
    const QImage::Format format = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
    QImage picture = pool_ ? pool_->picture(scale.apply(width), scale.apply(height), format)
                           : QImage(scale.apply(width), scale.apply(height), format);
    if (picture.isNull())
        return QImage(); // out of memory for this frame
    const int flags = fastDct ? TJFLAG_FASTDCT : TJFLAG_ACCURATEDCT;
    const int result = tjDecompress2(handle_, bytes, static_cast<unsigned long>(size), picture.bits(),
                                     picture.width(), picture.bytesPerLine(), picture.height(),
                                     grey ? TJPF_GRAY : kColourFormat, flags);
    if (result != 0) {
        const bool fatal = tjGetErrorCode(handle_) == TJERR_FATAL;
        renewHandle();
        if (fatal)
            return QImage();
    }
    return picture;
}
