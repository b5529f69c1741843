// SPDX-License-Identifier: GPL-3.0-or-later

// The text of a bar code from the bytes it carries: whoever printed the
// code chose the bytes, so they are not ours. The first byte chooses the
// code family (even: a QR code, odd: a linear code), the rest are the
// bytes.

#include "imaging/barcode/code_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto family = data[0] % 2 ? barcode::CodeFamily::Linear : barcode::CodeFamily::Matrix;
    const std::string bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string text = barcode::textFromCodeBytes(bytes, family);
    if (!barcode::isValidUtf8(text))
        __builtin_trap(); // the clipboard gets valid text, always
    if (barcode::isValidUtf8(bytes) && text != bytes && "\xEF\xBB\xBF" + text != bytes)
        __builtin_trap(); // UTF-8 arrives as it was, less a byte order mark
    if (!bytes.empty() && text.empty() && bytes != "\xEF\xBB\xBF")
        __builtin_trap(); // nothing is lost
    return 0;
}
