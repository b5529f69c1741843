// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/image_thumbnail.h"

#include "imaging/page_watch/page_thumbnail.h"

#include <QImage>

cv::Mat thumbnailOfImage(const QImage &picture)
{
    if (picture.isNull())
        return cv::Mat();
    // Wrapping the pixels costs nothing; the thumbnail copies what it needs.
    const auto wrap = [](const QImage &image, int type) {
        return cv::Mat(image.height(), image.width(), type, const_cast<uchar *>(image.constBits()),
                       static_cast<size_t>(image.bytesPerLine()));
    };
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return pageThumbnail(wrap(picture, CV_8UC4), PixelOrder::Bgr);
    case QImage::Format_RGB888:
        return pageThumbnail(wrap(picture, CV_8UC3), PixelOrder::Rgb);
    case QImage::Format_Grayscale8:
        return pageThumbnail(wrap(picture, CV_8UC1));
    default: {
        const QImage converted = picture.convertToFormat(QImage::Format_RGB32);
        return pageThumbnail(wrap(converted, CV_8UC4), PixelOrder::Bgr);
    }
    }
}
