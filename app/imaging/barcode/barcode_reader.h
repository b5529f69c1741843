// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BARCODE_READER_H
#define CORVANE_BARCODE_READER_H

// Reads every bar code and QR code in an 8-bit grey picture with ZBar.
//
// - Every symbology ZBar reads is on, except ISBN-10 and the lone EAN
//   add-ons (zbar_scan.cpp says why).
// - Texts are what was encoded: QR codes are read as raw bytes and decoded
//   here (code_text.h), since ZBar's own character-set guess garbles UTF-8.
// - False reads are worse than none (a wrong text lands on the clipboard):
//   Interleaved 2 of 5 needs 14 digits, and every scan line is used so
//   that ZBar can drop linear codes only one line agrees on.
// - Small codes (modules of 2-3 pixels) and blurred ones are read far more
//   often from the picture sharpened and enlarged (enlarged_picture.h). The
//   reader scans the enlarged picture only when the picture as it is gives
//   nothing, so a picture with a readable code costs one scan. Pictures
//   whose enlargement would exceed kMaxEnlargedPixels get no second scan
//   (a 4K camera picture has modules twice as large to begin with).
// - The second scan does not enlarge the whole picture (four times the
//   work of the first scan): it enlarges and scans only the regions that
//   look like a code (code_regions.h), each with a margin around it, so a
//   page of text costs a few small scans and a picture with nothing
//   code-like none at all. The regions are shared between two threads,
//   the largest first, each to the thread with less area so far.
// - No D-Bus: nothing is sent or printed per scan.
//
// Thread rules: a reader is used by one thread at a time (make one per
// thread). During the second scan read() starts one helper thread that
// uses the reader's second scanner and enlarges and scans its share of the
// regions; both only read the caller's picture, and read() joins the
// helper before it returns. Nothing else is shared.

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

// How the reader scans. The defaults are what the benchmark found best;
// the others exist to measure them against it.
struct ScanPlan {
    double secondScale = 2.0;  // 0: no second scan
    bool twoThreads = true;    // the second scan shared by two threads
    // The second scan on the whole picture in two overlapping bands (the
    // reader before code_regions.h), to measure the regions against it.
    bool wholePicture = false;
};

class BarcodeReader {
public:
    static constexpr long long kMaxEnlargedPixels = 4096LL * 3072LL;
    // Larger pictures are not scanned at all (ZBar counts pixels in 32 bits).
    static constexpr long long kMaxPixels = 1LL << 28;

    explicit BarcodeReader(const ScanPlan &plan = ScanPlan());
    ~BarcodeReader();
    BarcodeReader(const BarcodeReader &) = delete;
    BarcodeReader &operator=(const BarcodeReader &) = delete;

    // The codes in ZBar's order. `stride` is the distance between the
    // starts of two rows in bytes (at least `width`). A null buffer, a
    // picture without pixels, a stride below the width or a picture above
    // kMaxPixels gives no codes.
    std::vector<DecodedCode> read(const unsigned char *grey, int width, int height,
                                  long long stride);

    // The same for an OpenCV picture of type CV_8UC1 (any other type gives
    // no codes).
    std::vector<DecodedCode> read(const cv::Mat &grey);

private:
    std::vector<DecodedCode> scanEnlarged(const cv::Mat &packed);
    std::vector<DecodedCode> scanEnlargedWhole(const cv::Mat &packed);

    ScanPlan plan_;
    std::unique_ptr<zbar::ImageScanner> scanner_;
    std::unique_ptr<zbar::ImageScanner> helperScanner_; // the helper thread's
};

} // namespace barcode

#endif
