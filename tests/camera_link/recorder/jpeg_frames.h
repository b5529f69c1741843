// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECORDER_TEST_JPEG_FRAMES_H
#define RECORDER_TEST_JPEG_FRAMES_H

// Small real JPEG pictures, each distinct, so that the media tools can decode
// every recorded frame and a test can tell which frame landed where.

#include <cstdint>
#include <vector>

using JpegBytes = std::vector<std::uint8_t>;

constexpr int kTestFrameWidth = 64;
constexpr int kTestFrameHeight = 48;

// Frame number n (cached; the same bytes on every call).
const JpegBytes &testJpeg(int n);

// Encodes a width x height picture with a pattern chosen by seed.
JpegBytes encodeTestPicture(int width, int height, int seed, int quality = 85);

#endif
