// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_IMAGE_THUMBNAIL_H
#define CORVANE_IMAGE_THUMBNAIL_H

// The page watcher's thumbnail (page_thumbnail.h) of a live frame as the
// window holds it. The common frame formats (32-bit RGB, RGB888, grey) are
// read in place; others are converted to 32-bit RGB first.
//
// Thread rules: none (a pure function, any thread).

#include <opencv2/core/mat.hpp>

class QImage;

// Empty for a null picture.
cv::Mat thumbnailOfImage(const QImage &picture);

#endif
