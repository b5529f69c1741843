// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/jpeg_frame_encoder.h"

#include <QImage>

#include <turbojpeg.h>

JpegFrameEncoder::JpegFrameEncoder() : handle_(tjInitCompress())
{
}

JpegFrameEncoder::~JpegFrameEncoder()
{
    if (handle_)
        tjDestroy(handle_);
}

QByteArray JpegFrameEncoder::encode(const QImage &picture, int quality)
{
    if (!handle_ || picture.isNull())
        return QByteArray();
    QImage source = picture;
    int pixelFormat = TJPF_GRAY;
    int subsampling = TJSAMP_GRAY;
    switch (picture.format()) {
    case QImage::Format_Grayscale8:
        break;
    case QImage::Format_RGB888:
        pixelFormat = TJPF_RGB;
        subsampling = TJSAMP_420;
        break;
    default:
        if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
            source = picture.convertToFormat(QImage::Format_RGB32);
        // QRgb words: B, G, R, A in memory on a little-endian machine.
        pixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB;
        subsampling = TJSAMP_420;
        break;
    }
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    const int result = tjCompress2(handle_, source.constBits(), source.width(), source.bytesPerLine(),
                                   source.height(), pixelFormat, &jpeg, &size, subsampling, quality,
                                   TJFLAG_FASTDCT);
    QByteArray encoded;
    if (result == 0 && jpeg)
        encoded = QByteArray(reinterpret_cast<const char *>(jpeg), int(size));
    tjFree(jpeg);
    return encoded;
}
