#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the fonts compiled into the program, under static/font/.

ui_font.ttf, the application font. Source: WenQuanYi Micro Hei (Debian
package fonts-wqy-microhei), the proportional face of its collection. The
full collection is 5 MB; the program needs Latin, Greek and Cyrillic for the
European languages of its language table, kana and kanji for Japanese,
Hangul for Korean and the Chinese characters of both scripts, so the font is
cut down with fontTools' subsetter (Debian package python3-fonttools) to:

- the Unicode blocks listed in KEPT_RANGES;
- every ideograph of the GB 2312 (Simplified), Big5 (Traditional) and
  JIS X 0208 (Japanese) character sets and every Hangul syllable of
  KS X 1001 (Korean), enumerated through Python's own codecs, so that a new
  text in those languages almost never needs the font rebuilt;
- every character that appears in a translation source under app/language/,
  so a text added there is never drawn from a fallback font.

ui_font_thai.ttf, drawn where the application font has no glyph: WenQuanYi
Micro Hei has no Thai, so the Thai block comes from Loma (Debian package
fonts-tlwg-loma-ttf), a sans-serif face that sits well beside it, with its
shaping tables (stacked vowel and tone marks). The program makes it a
substitute of the application font's family (core/startup/application_setup).

Characters in neither font (rare ideographs, other scripts) fall back to
the system's fonts through Qt's font merging.

Run from anywhere:  app/resources/tools/make_ui_font.py
"""

import glob
import os
import subprocess
import sys
import tempfile

SOURCE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FACE = 0  # 0 = WenQuanYi Micro Hei, 1 = the monospaced twin
THAI_SOURCE = "/usr/share/fonts/truetype/tlwg/Loma.ttf"
HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = os.path.join(HERE, "..", "static", "font")
OUTPUT = os.path.join(FONT_DIR, "ui_font.ttf")
THAI_OUTPUT = os.path.join(FONT_DIR, "ui_font_thai.ttf")
LANGUAGE_DIR = os.path.join(HERE, "..", "..", "language")

KEPT_RANGES = [
    (0x0020, 0x007E),  # Basic Latin
    (0x00A0, 0x017F),  # Latin-1 Supplement, Latin Extended-A
    (0x0370, 0x03FF),  # Greek
    (0x0400, 0x04FF),  # Cyrillic
    (0x2000, 0x206F),  # General Punctuation
    (0x20A0, 0x20CF),  # Currency Symbols
    (0x2100, 0x21FF),  # Letterlike Symbols, Number Forms, Arrows
    (0x2460, 0x24FF),  # Enclosed Alphanumerics
    (0x2500, 0x25FF),  # Box Drawing, Block Elements, Geometric Shapes
    (0x3000, 0x303F),  # CJK Symbols and Punctuation
    (0x3040, 0x30FF),  # Hiragana, Katakana
    (0xFF00, 0xFFEF),  # Halfwidth and Fullwidth Forms
]

THAI_RANGES = [
    (0x0E00, 0x0E7F),  # Thai
    (0x200B, 0x200D),  # zero-width space and joiners, used in Thai line breaking
    (0x25CC, 0x25CC),  # dotted circle, the base the shaper gives a lone mark
]


def charset_characters(encoding, lead_bytes, trail_bytes, first, last):
    """The characters first..last of a double-byte character set."""
    found = set()
    for lead in lead_bytes:
        for trail in trail_bytes:
            try:
                text = bytes([lead, trail]).decode(encoding)
            except UnicodeDecodeError:
                continue
            if len(text) == 1 and first <= ord(text) <= last:
                found.add(ord(text))
    return found


def charset_ideographs(encoding, lead_bytes, trail_bytes):
    return charset_characters(encoding, lead_bytes, trail_bytes, 0x3400, 0x9FFF)


def translation_characters():
    found = set()
    for path in glob.glob(os.path.join(LANGUAGE_DIR, "**", "*.ts"), recursive=True):
        with open(path, encoding="utf-8") as f:
            found.update(ord(c) for c in f.read() if ord(c) >= 0x20)
    return found


def ranges(listed):
    codepoints = set()
    for first, last in listed:
        codepoints.update(range(first, last + 1))
    return codepoints


def subset(source, extra_options, codepoints, output):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as listing:
        listing.write("\n".join("U+%04X" % c for c in sorted(codepoints)))
    try:
        subprocess.run([
            sys.executable, "-m", "fontTools.subset", source, *extra_options,
            "--unicodes-file=" + listing.name,
            "--output-file=" + output,
            "--layout-features=*", "--name-IDs=*", "--name-languages=*",
            "--notdef-outline", "--drop-tables+=FFTM",
        ], check=True)
    finally:
        os.unlink(listing.name)
    print("make_ui_font: %d code points asked for, %d bytes in %s"
          % (len(codepoints), os.path.getsize(output), os.path.normpath(output)))


def main():
    for path, package in ((SOURCE, "fonts-wqy-microhei"), (THAI_SOURCE, "fonts-tlwg-loma-ttf")):
        if not os.path.exists(path):
            sys.exit("make_ui_font: %s missing; install %s" % (path, package))
    codepoints = ranges(KEPT_RANGES)
    codepoints |= charset_ideographs("gb2312", range(0xB0, 0xF8), range(0xA1, 0xFF))
    codepoints |= charset_ideographs("big5", range(0xA4, 0xFA), range(0x40, 0xFF))
    codepoints |= charset_ideographs("euc_jp", range(0xB0, 0xF5), range(0xA1, 0xFF))
    codepoints |= charset_characters("euc_kr", range(0xB0, 0xC9), range(0xA1, 0xFF),
                                     0xAC00, 0xD7A3)
    codepoints |= translation_characters()

    os.makedirs(FONT_DIR, exist_ok=True)
    subset(SOURCE, ["--font-number=%d" % FACE], codepoints, OUTPUT)
    subset(THAI_SOURCE, [], ranges(THAI_RANGES), THAI_OUTPUT)


if __name__ == "__main__":
    main()
