// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan's JSON string writer on arbitrary bytes (file names on Linux
// are bytes): the result must always be one valid JSON string literal in
// valid UTF-8, and decode back to the input wherever the input was valid
// UTF-8 without control characters.

#include "json_line.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Strict UTF-8 by decoding code points (the writer checks byte ranges
// instead): shortest form only, no surrogates, nothing above U+10FFFF.
bool validUtf8(const std::string &s)
{
    for (size_t i = 0; i < s.size();) {
        const unsigned char b0 = static_cast<unsigned char>(s[i]);
        int length = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > s.size())
            return false;
        uint32_t code = length == 1 ? b0 : b0 & (0x7f >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char b = static_cast<unsigned char>(s[i + k]);
            if ((b >> 6) != 2)
                return false;
            code = (code << 6) | (b & 0x3f);
        }
        static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}

// Undoes the escapes; false on anything a JSON parser would refuse.
bool unescape(const std::string &literal, std::string *out)
{
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return false;
    for (size_t i = 1; i + 1 < literal.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(literal[i]);
        if (c < 0x20 || c == '"')
            return false;
        if (c != '\\') {
            *out += static_cast<char>(c);
            continue;
        }
        if (++i + 1 >= literal.size())
            return false;
        switch (literal[i]) {
        case '"': *out += '"'; break;
        case '\\': *out += '\\'; break;
        case 'b': *out += '\b'; break;
        case 'f': *out += '\f'; break;
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case 'u': {
            if (i + 5 >= literal.size())
                return false;
            const std::string hex = literal.substr(i + 1, 4);
            if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                return false;
            const long code = std::strtol(hex.c_str(), nullptr, 16);
            if (code < 0x20)
                *out += static_cast<char>(code);
            else if (code == 0xfffd)
                *out += "\xef\xbf\xbd";
            else
                return false; // the writer escapes nothing else
            i += 4;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string literal = scan::jsonString(input);
    std::string decoded;
    if (!unescape(literal, &decoded) || !validUtf8(literal))
        std::abort();
    if (validUtf8(input) && decoded != input)
        std::abort();
    return 0;
}
