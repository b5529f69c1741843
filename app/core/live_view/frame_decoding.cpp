// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/live_view/frame_decoding.h"

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

QImage imageFromMat(const cv::Mat &mat)
{
    if (mat.empty() || mat.depth() != CV_8U)
        return QImage();
    const int step = int(mat.step);
    switch (mat.channels()) {
    case 1:
        return QImage(mat.data, mat.cols, mat.rows, step, QImage::Format_Grayscale8).copy();
    case 3: {
        // The decoder delivers BGR. Swapping into a new RGB888 image gives the
        // pixels rgbSwapped() would, with OpenCV's vectorised conversion
        // (a full-resolution frame is 33 MB).
        QImage rgb(mat.cols, mat.rows, QImage::Format_RGB888);
        if (rgb.isNull())
            return QImage();
        cv::Mat target(mat.rows, mat.cols, CV_8UC3, rgb.bits(), size_t(rgb.bytesPerLine()));
        cv::cvtColor(mat, target, cv::COLOR_BGR2RGB);
        return rgb;
    }
    case 4:
        return QImage(mat.data, mat.cols, mat.rows, step, QImage::Format_ARGB32).copy();
    default:
        return QImage();
    }
}

QImage decodeFrame(const unsigned char *bytes, int size)
{
    if (!bytes || size <= 0)
        return QImage();
    // The decoder reads straight from the frame bytes; wrapping them costs
    // nothing and the bytes outlive the call.
    const cv::Mat raw(1, size, CV_8UC1, const_cast<unsigned char *>(bytes));
    cv::Mat decoded;
    try {
        decoded = cv::imdecode(raw, cv::IMREAD_ANYCOLOR);
    } catch (const cv::Exception &) {
        return QImage();
    }
    return imageFromMat(decoded);
}
