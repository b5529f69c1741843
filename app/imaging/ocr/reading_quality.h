// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_READING_QUALITY_H
#define CORVANE_READING_QUALITY_H

// How well a reading went, from Tesseract's word confidences: print read
// the right way up gives confident words; a page read sideways or upside
// down gives few words of noise with low confidence. The recogniser tries
// the other quarter turns when a reading is poor and keeps the best.
//
// Thread rules: pure functions.

#include "imaging/ocr/recognized_text.h"

#include <vector>

namespace ocr {

struct ReadingQuality {
    int characters = 0;       // letters and signs of all words (no spaces)
    float meanConfidence = 0; // over the characters
    double score = 0;         // characters weighted by how far their confidence clears chance
};

ReadingQuality judgeReading(const std::vector<RecognizedWord> &words);

// Good enough to stop trying other turns.
bool readsWell(const ReadingQuality &quality);

// Any text worth reporting at all (not a few specks read as letters).
bool readsAnything(const ReadingQuality &quality);

// Number of UTF-8 characters that are not white space.
int visibleCharacters(const std::string &utf8);

} // namespace ocr

#endif
