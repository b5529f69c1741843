// SPDX-License-Identifier: GPL-3.0-or-later

// The recogniser's space removal between Chinese characters on arbitrary
// bytes (Tesseract's output is meant to be UTF-8, but nothing checks it):
// it may take out spaces and nothing else, and a second pass changes
// nothing.

#include "imaging/ocr/cjk_spacing.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string withoutSpaces(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string output = ocr::removeSpacesBetweenCjk(input);
    if (output.size() > input.size() || withoutSpaces(output) != withoutSpaces(input))
        std::abort();
    if (ocr::removeSpacesBetweenCjk(output) != output)
        std::abort();
    return 0;
}
