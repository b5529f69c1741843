// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/cjk_spacing.h"

#include <vector>

namespace ocr {

namespace {

// One decoded character with the bytes it came from.
struct Piece {
    char32_t code; // 0xFFFFFFFF for a byte that is not valid UTF-8
    size_t start;
    size_t length;
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

std::vector<Piece> decode(const std::string &text)
{
    std::vector<Piece> pieces;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else if (lead >= 0x80) {
            code = kInvalid;
        }
        if (length > 1) {
            if (i + length > text.size()) {
                length = 1;
                code = kInvalid;
            } else {
                for (size_t k = 1; k < length; ++k) {
                    const unsigned char next = static_cast<unsigned char>(text[i + k]);
                    if ((next & 0xC0) != 0x80) {
                        length = 1;
                        code = kInvalid;
                        break;
                    }
                    code = (code << 6) | (next & 0x3F);
                }
            }
        }
        pieces.push_back({code, i, length});
        i += length;
    }
    return pieces;
}

} // namespace

bool isCjkCodePoint(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x2FDF)     // radicals
           || (c >= 0x3000 && c <= 0x303F)  // CJK symbols and punctuation
           || (c >= 0x3040 && c <= 0x30FF)  // hiragana, katakana
           || (c >= 0x3400 && c <= 0x4DBF)  // extension A
           || (c >= 0x4E00 && c <= 0x9FFF)  // unified ideographs
           || (c >= 0xF900 && c <= 0xFAFF)  // compatibility ideographs
           || (c >= 0xFF00 && c <= 0xFFEF)  // full-width forms
           || (c >= 0x20000 && c <= 0x3FFFF); // extensions B and later
}

std::string removeSpacesBetweenCjk(const std::string &text)
{
    const std::vector<Piece> pieces = decode(text);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        if (piece.code == U' ' && i > 0 && isCjkCodePoint(pieces[i - 1].code)) {
            size_t next = i;
            while (next < pieces.size() && pieces[next].code == U' ')
                ++next;
            if (next < pieces.size() && isCjkCodePoint(pieces[next].code)) {
                i = next - 1;
                continue;
            }
        }
        out.append(text, piece.start, piece.length);
    }
    return out;
}

} // namespace ocr
