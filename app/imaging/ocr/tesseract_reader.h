// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TESSERACT_READER_H
#define CORVANE_TESSERACT_READER_H

// One Tesseract engine: loads a language's trained data once and reads grey
// pictures as they are, with local (Sauvola) thresholding, so a shadow over
// part of a page does not black out its print. Words come back with their
// boxes in the read picture's pixels.
//
// Thread rules: an engine is used by one thread at a time and is not
// shared; each thread that reads keeps its own (loading trained data costs
// far more than a page, so keep it for many pages). Tesseract keeps no
// global state between engines.

#include "imaging/ocr/recognized_text.h"

#include <opencv2/core/mat.hpp>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace tesseract {
class TessBaseAPI;
}

namespace ocr {

class TesseractReader {
public:
    TesseractReader();
    ~TesseractReader();
    TesseractReader(const TesseractReader &) = delete;
    TesseractReader &operator=(const TesseractReader &) = delete;

    // Loads the language ("eng", "chi_sim", "chi_sim+eng") from the folder,
    // unless it is the one loaded already. False when it cannot be loaded;
    // the engine then has no language.
    bool load(const std::string &folder, const std::string &language);
    const std::string &language() const { return language_; }

    struct Page {
        std::string text; // as Tesseract lays it out: lines, blank lines between blocks
        std::vector<RecognizedWord> words; // upright boxes in the read picture, corners in reading order
        int quarterTurns = 0; // clockwise turns that would stand most of the print upright
        bool cancelled = false;
    };

    // Reads an 8-bit grey picture. `pixelsPerInch` guides the thresholding
    // window and Tesseract's size assumptions; `cancel`, when given, is
    // polled between words and stops the reading early.
    Page read(const cv::Mat &gray, int pixelsPerInch, const std::atomic<bool> *cancel);

private:
    std::unique_ptr<tesseract::TessBaseAPI> api_;
    std::string language_;
    std::string folder_;
};

} // namespace ocr

#endif
