// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_line.h"

#include <cmath>
#include <cstdio>

namespace scan {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes
// there are not one (overlong forms, surrogates and values above U+10FFFF
// included).
size_t utf8SequenceLength(const std::string &s, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    size_t length;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0)
            low = 0xA0;
        if (b0 == 0xED)
            high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string jsonString(const std::string &bytes)
{
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80) {
            const size_t length = utf8SequenceLength(bytes, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(bytes, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    return out + "\"";
}

JsonLine &JsonLine::field(const char *key, const std::string &value)
{
    if (body_.size() > 1)
        body_ += ", ";
    body_ += jsonString(key) + ": " + value;
    return *this;
}

JsonLine &JsonLine::text(const char *key, const std::string &value)
{
    return field(key, jsonString(value));
}

JsonLine &JsonLine::boolean(const char *key, bool value)
{
    return field(key, value ? "true" : "false");
}

JsonLine &JsonLine::integer(const char *key, long long value)
{
    return field(key, std::to_string(value));
}

JsonLine &JsonLine::number(const char *key, double value, int decimals)
{
    // JSON has no NaN or infinity.
    if (!std::isfinite(value))
        return null(key);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return field(key, text);
}

JsonLine &JsonLine::null(const char *key)
{
    return field(key, "null");
}

JsonLine &JsonLine::json(const char *key, const std::string &value)
{
    return field(key, value);
}

} // namespace scan
