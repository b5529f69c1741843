#include "core/live_view/jpeg_frame_decoder.h"

#include "core/live_view/frame_decoding.h"

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

QSize JpegFrameDecoder::frameSize(const unsigned char *bytes, int size)
{
    if (!handle_ || !bytes || size <= 0)
        return QSize();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle_, bytes, static_cast<unsigned long>(size), &width, &height,
                            &subsampling, &colourspace) != 0
        || width <= 0 || height <= 0)
        return QSize();
    return QSize(width, height);
}

QImage JpegFrameDecoder::decode(const unsigned char *bytes, int size, JpegScale scale, bool fastDct)
{
    if (!bytes || size <= 0)
        return QImage();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    const bool readable = handle_
        && tjDecompressHeader3(handle_, bytes, static_cast<unsigned long>(size), &width, &height,
                               &subsampling, &colourspace) == 0
        && width > 0 && height > 0 && colourspace != TJCS_CMYK && colourspace != TJCS_YCCK;
    if (!readable)
        return decodeFrame(bytes, size);
    if (qint64(width) * height > kMaxPixels)
        return QImage();

    const bool grey = colourspace == TJCS_GRAY;
    QImage picture(scale.apply(width), scale.apply(height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (picture.isNull())
        return QImage(); // out of memory for this frame
    const int flags = fastDct ? TJFLAG_FASTDCT : TJFLAG_ACCURATEDCT;
    const int result = tjDecompress2(handle_, bytes, static_cast<unsigned long>(size), picture.bits(),
                                     picture.width(), picture.bytesPerLine(), picture.height(),
                                     grey ? TJPF_GRAY : kColourFormat, flags);
    if (result != 0 && tjGetErrorCode(handle_) == TJERR_FATAL)
        return QImage();
    return picture;
}
