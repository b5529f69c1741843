// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RECOGNIZED_TEXT_H
#define CORVANE_RECOGNIZED_TEXT_H

// What text recognition found in a picture: the text as a person reads it
// and every word with its place, in the picture's own pixel coordinates
// (whatever straightening and turning the reading needed), so that a PDF
// text layer can lay each word over its print.
//
// Thread rules: plain values.

#include <opencv2/core/types.hpp>

#include <array>
#include <string>
#include <vector>

struct RecognizedWord {
    std::string text; // UTF-8
    // The word's box as read, mapped onto the picture: the corners at the
    // start and end of its top edge, then the end and start of its bottom
    // edge, in reading direction. Upright print gives top-left, top-right,
    // bottom-right, bottom-left; a sheet lying turned or askew gives the
    // turned box.
    std::array<cv::Point2f, 4> corners{};
    float confidence = 0; // 0..100
    int line = 0;         // running number of the text line, from 0
};

struct RecognizedText {
    enum class Outcome {
        Read,         // text was found (words is not empty)
        NoText,       // the picture was read and held no text
        BadPicture,   // empty, or not an 8-bit picture of 1, 3 or 4 channels
        NoLanguage,   // the language's trained data could not be loaded
        Cancelled,    // stopped on request
    };
    Outcome outcome = Outcome::NoText;
    std::string text;                 // UTF-8, lines separated by '\n'
    std::vector<RecognizedWord> words;
    std::string language;             // the trained data used, "eng", "chi_sim", ...
    cv::Size pictureSize;
    bool straightened = false;        // read from the sheet's perspective cut-out
    int quarterTurns = 0;             // clockwise turns that made the print upright
    double scale = 1;                 // enlargement that made the print readable
    float meanConfidence = 0;         // over the words, weighted by their length

    bool hasText() const { return outcome == Outcome::Read; }
};

// Text for the outcome, in English, for logs and the command line.
const char *describeOutcome(RecognizedText::Outcome outcome);

#endif
