#!/usr/bin/python3
"""Builds static/font/ui_font.ttf, the font compiled into the program.

Source: WenQuanYi Micro Hei (Debian package fonts-wqy-microhei), the
proportional face of its collection. The full collection is 5 MB; the
program needs Latin, Greek and Cyrillic for the European languages of its
language table and the Chinese characters of both scripts, so the font is
cut down with fontTools' subsetter (Debian package python3-fonttools) to:

- the Unicode blocks listed in KEPT_RANGES;
- every ideograph of the GB 2312 (Simplified) and Big5 (Traditional)
  character sets, enumerated through Python's own codecs;
- every character that appears in a translation source under app/language/,
  so a text added there is never drawn from a fallback font.

Characters outside (Hangul, Thai, rare ideographs) fall back to the
system's fonts through Qt's font merging.

Run from anywhere:  app/resources/tools/make_ui_font.py
"""

import glob
import os
import subprocess
import sys
import tempfile

SOURCE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FACE = 0  # 0 = WenQuanYi Micro Hei, 1 = the monospaced twin
HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "static", "font", "ui_font.ttf")
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


def charset_ideographs(encoding, lead_bytes, trail_bytes):
    found = set()
    for lead in lead_bytes:
        for trail in trail_bytes:
            try:
                text = bytes([lead, trail]).decode(encoding)
            except UnicodeDecodeError:
                continue
            if len(text) == 1 and 0x3400 <= ord(text) <= 0x9FFF:
                found.add(ord(text))
    return found


def translation_characters():
    found = set()
    for path in glob.glob(os.path.join(LANGUAGE_DIR, "**", "*.ts"), recursive=True):
        with open(path, encoding="utf-8") as f:
            found.update(ord(c) for c in f.read() if ord(c) >= 0x20)
    return found


def main():
    if not os.path.exists(SOURCE):
        sys.exit("make_ui_font: %s missing; install fonts-wqy-microhei" % SOURCE)
    codepoints = set()
    for first, last in KEPT_RANGES:
        codepoints.update(range(first, last + 1))
    codepoints |= charset_ideographs("gb2312", range(0xB0, 0xF8), range(0xA1, 0xFF))
    codepoints |= charset_ideographs("big5", range(0xA4, 0xFA), range(0x40, 0xFF))
    codepoints |= translation_characters()

    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as listing:
        listing.write("\n".join("U+%04X" % c for c in sorted(codepoints)))
    try:
        subprocess.run([
            sys.executable, "-m", "fontTools.subset", SOURCE,
            "--font-number=%d" % FACE,
            "--unicodes-file=" + listing.name,
            "--output-file=" + OUTPUT,
            "--layout-features=*", "--name-IDs=*", "--name-languages=*",
            "--notdef-outline", "--drop-tables+=FFTM",
        ], check=True)
    finally:
        os.unlink(listing.name)
    print("make_ui_font: %d code points, %d bytes in %s"
          % (len(codepoints), os.path.getsize(OUTPUT), os.path.normpath(OUTPUT)))


if __name__ == "__main__":
    main()
