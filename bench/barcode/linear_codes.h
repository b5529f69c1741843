// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BENCH_LINEAR_CODES_H
#define CORVANE_BENCH_LINEAR_CODES_H

// Small encoders for the one-dimensional symbologies the reader knows, so
// that the benchmark renders its own pictures. Each returns the modules
// from the first bar to the last ('1' bar, '0' space), without quiet
// zones, and the text a reader reports for it; an empty pattern when the
// data does not fit the symbology. Wide elements of the two-width codes
// (Code 39, Interleaved 2 of 5, Codabar) are three modules wide.
//
// Every encoder is checked at the start of each benchmark run: the clean
// rendering must read back as exactly the expected text.

#include <string>
#include <vector>

namespace benchcodes {

struct LinearCode {
    std::string symbology;           // the reader's name for it
    std::string modules;             // '1' bar, '0' space
    std::string text;                // what a reader should report
    std::vector<std::string> alsoRight; // equivalent forms (UPC-A as EAN-13 ...)
};

// Digits without the check digit, which is computed and appended.
LinearCode ean13(const std::string &twelveDigits);
LinearCode ean8(const std::string &sevenDigits);
LinearCode upcA(const std::string &elevenDigits);
// Number system 0, six digits; the check digit comes from the expansion.
LinearCode upcE(const std::string &sixDigits);
// Code set B: printable ASCII.
LinearCode code128(const std::string &text);
// Upper-case letters, digits and " -.$/+%".
LinearCode code39(const std::string &text);
// Upper-case letters, digits and " -.$/+%", with both check characters.
LinearCode code93(const std::string &text);
// An even number of digits, the last a mod-10 check digit over the others.
LinearCode interleaved2of5(const std::string &oddDigitCount);
// Digits and "-$:/.+" between start A and stop B.
LinearCode codabar(const std::string &text);
// GS1 DataBar Omnidirectional of a GTIN given as 13 digits.
LinearCode dataBar(const std::string &thirteenDigits);

} // namespace benchcodes

#endif
