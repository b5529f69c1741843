// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CJK_SPACING_H
#define CORVANE_CJK_SPACING_H

// Chinese and Japanese print has no spaces between words, but Tesseract
// cuts such lines into "words" of a few characters and joins them with
// spaces. Copied into a document or searched, "文 字 识 别" is wrong;
// this takes the spaces out between two such characters and leaves every
// other space (between Latin words, between a Chinese and a Latin word).
//
// Thread rules: pure functions.

#include <string>

namespace ocr {

// True for ideographs, kana, CJK punctuation and full-width forms.
bool isCjkCodePoint(char32_t c);

// UTF-8 in, UTF-8 out; invalid bytes pass through unchanged.
std::string removeSpacesBetweenCjk(const std::string &text);

} // namespace ocr

#endif
