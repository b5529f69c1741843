// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ZBAR_SCAN_H
#define CORVANE_ZBAR_SCAN_H

// One ZBar scan of a grey picture, configured for reading what was
// encoded and nothing else (see barcode_reader.h for the choices).
//
// Thread rules: a scanner is used by one thread at a time; scanPicture
// only reads the picture.

#include "imaging/barcode/decoded_code.h"

#include <memory>
#include <vector>

namespace cv {
class Mat;
}
namespace zbar {
class ImageScanner;
}

namespace barcode {

// Interleaved 2 of 5 reads need this many digits (ITF-14).
constexpr int kMinInterleavedLength = 14;

std::unique_ptr<zbar::ImageScanner> makeScanner();

// The codes ZBar finds in a CV_8UC1 picture whose rows are packed
// (isContinuous()), in ZBar's order, texts decoded (code_text.h).
std::vector<DecodedCode> scanPicture(zbar::ImageScanner &scanner, const cv::Mat &packed);

} // namespace barcode

#endif
