// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_DECODED_CODE_H
#define CORVANE_DECODED_CODE_H

#include <string>

namespace barcode {

// One code found in a picture.
struct DecodedCode {
    std::string text;      // what was encoded, as UTF-8 (see code_text.h)
    std::string symbology; // the decoder's name for its kind: "QR-Code", "EAN-13", "I2/5", ...
};

} // namespace barcode

#endif
