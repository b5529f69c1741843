// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_TEXT_PAGE_H
#define CORVANE_TEST_TEXT_PAGE_H

// Camera views of printed pages with known text, for the recogniser's tests
// and benchmark: lines of print (the program's own font, Latin and Chinese)
// on a white sheet, the sheet laid on a desk askew, turned, seen at a
// slant, under a soft shadow, blurred a little and JPEG-compressed as the
// camera sends it.

#include <opencv2/core.hpp>

#include <array>
#include <string>
#include <vector>

namespace testpage {

// Reference texts: a few lines of English and of Simplified Chinese.
const std::vector<std::string> &englishLines();
const std::vector<std::string> &chineseLines();

struct PageLayout {
    std::vector<std::string> lines;  // UTF-8
    cv::Size frame{1920, 1080};
    double sheetShare = 0.86;        // sheet height / frame height (on the desk)
    double textShare = 0.022;        // height of a line of print / sheet height
    double degrees = 0;              // clockwise turn of the sheet on the desk
    int quarterTurns = 0;            // the sheet further turned clockwise by quarter turns
    double slant = 0;                // 0.1: the far edge 10 % narrower
    double shadow = 0;               // darkening of the shaded half, 0..1
    bool onDesk = true;              // false: the page fills the picture, upright (a scan)
    int jpegQuality = 85;
};

struct TextPage {
    cv::Mat picture;                          // BGR
    std::string text;                         // the lines joined by '\n'
    std::vector<std::array<cv::Point2f, 4>> lineBoxes; // each line's print, in the picture
};

TextPage renderPage(const PageLayout &layout);

// The program's font (Latin and Chinese), from the source tree.
std::string fontFile();

// Edit distance between the texts' characters (UTF-8 code points) over
// the reference's length. White space is folded: runs become one space,
// or, with dropSpaces (Chinese), vanish.
double characterErrorRate(const std::string &reference, const std::string &read, bool dropSpaces);

} // namespace testpage

#endif
