// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_THUMBNAIL_H
#define CORVANE_PAGE_THUMBNAIL_H

// The small grey picture the page watcher compares: kThumbnailWidth pixels
// wide, as high as the picture's proportions give. Made in two cheap steps
// so that watching a 1080p or 4K live picture costs little: every n-th pixel
// is picked up to four times the thumbnail's size (nearest neighbour), and
// those are averaged down in blocks of four by four, which also smooths out
// the camera's noise and JPEG blocks.
//
// Thread rules: none (pure function).

#include <opencv2/core/mat.hpp>

enum class PixelOrder { Bgr, Rgb };

// Wide enough that the layout of a page (paragraphs, figures, headings)
// tells pages apart; small enough that comparing costs next to nothing.
constexpr int kThumbnailWidth = 160;

// picture: 8-bit with 1, 3 or 4 channels (4: BGRA or RGBA, alpha ignored;
// QImage's RGB32 is BGRA in memory). Returns an 8-bit one-channel picture,
// or an empty one for anything else.
cv::Mat pageThumbnail(const cv::Mat &picture, PixelOrder order = PixelOrder::Bgr);

#endif
