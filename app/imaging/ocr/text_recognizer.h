// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEXT_RECOGNIZER_H
#define CORVANE_TEXT_RECOGNIZER_H

// Reads the text of a camera picture: finds the sheet and reads its
// straightened cut-out (or the whole picture when there is no sheet),
// enlarges small print, thresholds locally, and when the reading comes out
// empty or poor tries the page turned by a half and by quarter turns and
// keeps the best reading. The words come back in the picture's own
// coordinates.
//
// Thread rules: one recogniser per thread; it keeps its Tesseract engine
// (trained data loaded once, again only when the language changes) and
// must not be used by two threads at once. Recognisers on different
// threads do not interfere. `cancel` may be set from any thread.

#include "imaging/ocr/recognized_text.h"
#include "imaging/ocr/tesseract_reader.h"

#include <opencv2/core/mat.hpp>

#include <atomic>
#include <string>

class TextRecognizer {
public:
    struct Options {
        std::string language = "eng"; // trained data, "eng", "chi_sim", "chi_sim+eng"
        bool straighten = true;       // read the sheet's cut-out when one is found
        bool tryTurns = true;         // try other quarter turns when the reading is poor
        double scale = 0;             // enlargement of the read picture; 0 chooses by print size
        const std::atomic<bool> *cancel = nullptr;
    };

    // `trainedDataFolder` empty: Tesseract's own folder (ocr_languages.h).
    explicit TextRecognizer(std::string trainedDataFolder = std::string());

    const std::string &trainedDataFolder() const { return folder_; }

    // picture: 8-bit, 1 (grey), 3 (BGR) or 4 (BGRA) channels.
    RecognizedText recognize(const cv::Mat &picture, const Options &options);

private:
    std::string folder_;
    ocr::TesseractReader reader_;
};

#endif
