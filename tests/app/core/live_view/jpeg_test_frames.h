// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_JPEG_TEST_FRAMES_H
#define CORVANE_TEST_JPEG_TEST_FRAMES_H

// Camera-like JPEG frames for the live-view tests, made with OpenCV.

#include <QByteArray>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <vector>

namespace testframes {

inline std::vector<unsigned char> encode(const cv::Mat &picture, const char *ext = ".jpg")
{
    std::vector<unsigned char> bytes;
    cv::imencode(ext, picture, bytes, {cv::IMWRITE_JPEG_QUALITY, 95});
    return bytes;
}

// Left half blue, right half red (BGR order in OpenCV), so a missing or
// doubled channel swap shows.
inline cv::Mat twoColourPicture(int width, int height)
{
    cv::Mat picture(height, width, CV_8UC3, cv::Scalar(255, 0, 0));
    picture(cv::Rect(width / 2, 0, width - width / 2, height)).setTo(cv::Scalar(0, 0, 255));
    return picture;
}

inline QByteArray twoColourJpeg(int width, int height)
{
    const auto bytes = encode(twoColourPicture(width, height));
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
}

// JPEG losses stay well inside this.
inline bool near(int a, int b)
{
    return a - b <= 16 && b - a <= 16;
}

} // namespace testframes

#endif
