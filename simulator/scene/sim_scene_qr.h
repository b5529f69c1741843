// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_QR_H
#define CAMSIM_SCENE_QR_H

// A QR code as a picture, for the printed sheet in the scene.
//
// Thread rules: stateless; callable from any thread (libqrencode's
// QRcode_encodeString is reentrant).

#include <opencv2/core.hpp>

#include <string>

namespace camsim {

// Black modules on white with the standard four-module quiet zone, each
// module modulePixels square. Empty Mat when the text cannot be encoded.
cv::Mat renderQrCode(const std::string &text, int modulePixels);

} // namespace camsim

#endif
