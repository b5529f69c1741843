// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/code_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace barcode {

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

bool isHigh(unsigned char c)
{
    return c >= 0x80;
}

// The whole input converted to UTF-8, or false when the converter rejects
// any part of it (a byte sequence the character set does not have, or one
// cut short at the end).
bool convertStrictly(const std::string &bytes, const char *charset, std::string *text)
{
    iconv_t converter = iconv_open("UTF-8", charset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    text->clear();
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[1024];
    bool ok = true;
    while (inLeft > 0) {
        char *out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        text->append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(converter);
    return ok;
}

std::string latin1ToUtf8(const std::string &bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// Latin text: accented letters between plain ones, never two in a row as
// the double-byte sets write them, and no C1 control codes.
bool looksLikeLatin1(const std::string &bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (!isHigh(c))
            continue;
        if (c < 0xA0)
            return false;
        if (i + 1 < bytes.size() && isHigh(static_cast<unsigned char>(bytes[i + 1])))
            return false;
    }
    return true;
}

// Half-width katakana U+FF61..U+FF9F in UTF-8: EF BD A1..BF, EF BE 80..9F.
bool hasHalfWidthKatakana(const std::string &utf8)
{
    for (std::size_t i = 0; i + 2 < utf8.size(); ++i) {
        if (static_cast<unsigned char>(utf8[i]) != 0xEF)
            continue;
        const auto b = static_cast<unsigned char>(utf8[i + 1]);
        const auto c = static_cast<unsigned char>(utf8[i + 2]);
        if ((b == 0xBD && c >= 0xA1 && c <= 0xBF) || (b == 0xBE && c >= 0x80 && c <= 0x9F))
            return true;
    }
    return false;
}

std::string matrixLegacyText(const std::string &bytes)
{
    if (looksLikeLatin1(bytes))
        return latin1ToUtf8(bytes);
    std::string text;
    if (convertStrictly(bytes, "CP932", &text) && !hasHalfWidthKatakana(text) && isValidUtf8(text))
        return text;
    if (convertStrictly(bytes, "GB18030", &text) && isValidUtf8(text))
        return text;
    return latin1ToUtf8(bytes);
}

} // namespace

bool isValidUtf8(const std::string &bytes)
{
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF; // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0; // no overlong forms
            else if (c == 0xED)
                high = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (n - i < length)
            return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < 0x80 || next > 0xBF)
                return false;
        }
        i += length;
    }
    return true;
}

std::string textFromCodeBytes(const std::string &bytes, CodeFamily family)
{
    if (isValidUtf8(bytes)) {
        if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
            return bytes.substr(kByteOrderMark.size());
        return bytes;
    }
    if (family == CodeFamily::Linear)
        return latin1ToUtf8(bytes);
    return matrixLegacyText(bytes);
}

} // namespace barcode
