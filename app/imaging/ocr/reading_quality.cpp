// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/reading_quality.h"

#include <algorithm>

namespace ocr {

namespace {

// Confidence Tesseract gives to noise and to print read the wrong way up
// lies mostly below this; real print mostly well above.
constexpr float kChanceConfidence = 50.0f;
constexpr float kGoodConfidence = 70.0f;
constexpr int kFewestCharacters = 3;

} // namespace

int visibleCharacters(const std::string &utf8)
{
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80 && c != ' ' && c != '\t' && c != '\n' && c != '\r')
            ++count;
    return count;
}

ReadingQuality judgeReading(const std::vector<RecognizedWord> &words)
{
    ReadingQuality quality;
    double confidenceSum = 0;
    for (const RecognizedWord &word : words) {
        const int characters = visibleCharacters(word.text);
        quality.characters += characters;
        confidenceSum += double(word.confidence) * characters;
        quality.score +=
            characters * std::max(0.0, double(word.confidence) - kChanceConfidence) / 50.0;
    }
    if (quality.characters > 0)
        quality.meanConfidence = float(confidenceSum / quality.characters);
    return quality;
}

bool readsWell(const ReadingQuality &quality)
{
    return quality.characters >= kFewestCharacters && quality.meanConfidence >= kGoodConfidence;
}

bool readsAnything(const ReadingQuality &quality)
{
    return quality.characters >= kFewestCharacters && quality.score > 0;
}

} // namespace ocr
