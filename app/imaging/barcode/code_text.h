// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CODE_TEXT_H
#define CORVANE_CODE_TEXT_H

// The text a bar code carries, from the bytes the decoder hands out.
//
// The reader asks ZBar for the bytes as they were encoded ("binary" mode),
// because ZBar's own guess at the character set of a QR code without an
// ECI turns UTF-8 texts such as Greek or accented Latin into Shift-JIS or
// Big5 mojibake. Where a QR code names its character set with an ECI that
// ZBar knows (the ISO 8859 family, Shift-JIS, UTF-8, ...), ZBar converts to
// UTF-8 itself even in binary mode; ECIs it does not know (Big5, GB 2312,
// EUC-KR) arrive as raw bytes without the ECI number, which ZBar does not
// expose. So this decision only ever sees bytes:
//
//  1. Valid UTF-8 is taken as it is (a leading byte order mark is dropped).
//     That covers ASCII, every ECI ZBar converted, and the UTF-8 that most
//     generators write today without an ECI.
//  2. Otherwise, for a two-dimensional code, the first plausible reading of
//     the legacy character sets found in QR codes:
//     - ISO 8859-1 (the standard's default for byte segments) when the text
//       looks like Latin-1: no C1 control bytes (0x80-0x9F) and every
//       non-ASCII byte stands alone, as accented letters do in Latin text,
//       while the Far Eastern sets always write them in pairs;
//     - Shift-JIS (as CP932, where 0x5C and 0x7E stay ASCII) when it decodes
//       without error and without half-width katakana: Kanji-mode segments
//       reach us as Shift-JIS, and text in GB or Big5 read as Shift-JIS
//       nearly always shows half-width katakana, which real texts rarely
//       use;
//     - GB 18030 when it decodes without error: Chinese generators that
//       predate UTF-8 write GBK without an ECI, and this camera's users read
//       Chinese first;
//     - ISO 8859-1 otherwise, which maps every byte and loses nothing.
//  3. A linear code (Code 128's extended range) carries ISO 8859-1 by its
//     own standard, so its bytes that are not UTF-8 are read as Latin-1.
//
// The result is always valid UTF-8. NUL bytes are kept: they are part of
// what was encoded.
//
// Thread rules: a pure function, any thread (iconv handles are per call).

#include <string>

namespace barcode {

enum class CodeFamily {
    Matrix, // QR and other two-dimensional codes: any character set
    Linear  // one-dimensional codes: ASCII or ISO 8859-1
};

std::string textFromCodeBytes(const std::string &bytes, CodeFamily family);

// True when the bytes are well-formed UTF-8: shortest forms only, no
// surrogates, nothing above U+10FFFF.
bool isValidUtf8(const std::string &bytes);

} // namespace barcode

#endif
