// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_JPEG_ENCODE_H
#define CAMSIM_SCENE_JPEG_ENCODE_H

// The simulator's JPEG encoding of scene pictures: baseline, standard
// tables, a restart marker after every row of blocks, so that the display
// bar can be spliced into an encoded picture (sim_scene_jpeg_splice.h).
//
// Thread rules: stateless; callable from any thread.

#include <opencv2/core/mat.hpp>

#include <cstdint>
#include <vector>

namespace camsim {

std::vector<uint8_t> encodeSceneJpeg(const cv::Mat &picture, int quality);

} // namespace camsim

#endif
