// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/deskew/deskewed_picture.h"

#include "imaging/detection/document_deskew.h"
#include "imaging/detection/straightening.h"

#include <opencv2/core/mat.hpp>

#include <cmath>

DocumentOutline outlineForSize(const DocumentOutline &outline, const QSize &from, const QSize &to)
{
    if (from == to || from.isEmpty())
        return outline;
    const double sx = double(to.width()) / from.width();
    const double sy = double(to.height()) / from.height();
    DocumentOutline scaled = outline;
    for (cv::Point &corner : scaled.corners)
        corner = cv::Point(int(std::lround(corner.x * sx)), int(std::lround(corner.y * sy)));
    const detection::StraightenedBox box =
        detection::straightenedBox(cv::Size(to.width(), to.height()), scaled.angle, scaled.corners);
    scaled.left = box.left;
    scaled.top = box.top;
    scaled.right = box.right;
    scaled.bottom = box.bottom;
    return scaled;
}

QImage deskewedPicture(const QImage &picture, const FoundSheet &sheet)
{
    if (picture.isNull())
        return QImage();
    // 32-bit pixels: OpenCV's warp treats them as four channels and leaves
    // the byte order alone, so the result is the same QImage format.
    const QImage source = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const cv::Mat frame(source.height(), source.width(), CV_8UC4,
                        const_cast<uchar *>(source.constBits()), size_t(source.bytesPerLine()));
    const DocumentOutline outline = outlineForSize(sheet.outline, sheet.frameSize, source.size());
    const cv::Mat cut = straightenedCutOut(frame, outline);
    if (cut.empty())
        return QImage();
    QImage result(cut.cols, cut.rows, QImage::Format_RGB32);
    for (int y = 0; y < cut.rows; ++y)
        std::copy_n(cut.ptr<uchar>(y), size_t(cut.cols) * 4, result.scanLine(y));
    return result;
}
