// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_INVISIBLE_TEXT_LAYER_H
#define CORVANE_INVISIBLE_TEXT_LAYER_H

// Sets the words read on a picture as invisible text over its page (text
// rendering mode 3: neither filled nor stroked), so that a PDF reader finds,
// selects and copies them while the page shows the picture alone. Each
// word fills its box (word_placement.h): the font size from the box's
// height, the horizontal scaling from its length.
//
// The font is a TrueType font embedded with UTF-8 encoding (libharu embeds
// the glyphs used only), so Chinese and Latin text share one font. Text
// outside Unicode's basic plane, which libharu's UTF-8 encoder drops, and
// control characters are left out.
//
// Thread rules: belongs to the thread writing its document.

#include "tools/pdf/writer/page_text.h"

#include <QByteArray>
#include <QSizeF>

#include <hpdf.h>

class HaruDocument;

class InvisibleTextLayer {
public:
    // Loads the font into the document. False (the document's error taken
    // and reset) when the font cannot be loaded.
    bool load(HaruDocument &doc, const QString &fontPath);
    bool isLoaded() const { return font_ != nullptr; }

    // Sets the page's words; returns how many were placed. A word libharu
    // refuses is skipped (its error taken), the others still go on.
    int draw(HaruDocument &doc, HPDF_Page page, const PdfPageText &text, QSizeF pageSize) const;

    // The word as libharu takes it: UTF-8 of the basic plane without
    // control characters.
    static QByteArray encodable(const QString &word);

private:
    HPDF_Font font_ = nullptr;
    double ascent_ = 0.8;   // em, above the baseline
    double descent_ = 0.2;  // em, below it
};

#endif
