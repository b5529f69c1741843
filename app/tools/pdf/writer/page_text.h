// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_TEXT_H
#define CORVANE_PAGE_TEXT_H

// The text read on a picture, for the invisible text layer of its PDF page:
// each word with the corners of its box in the picture's pixels, named in
// reading direction (the top edge from where reading starts, then the
// bottom edge back), as the recogniser reports them.
//
// Thread rules: plain values.

#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

#include <array>

struct PdfTextWord {
    QString text;
    std::array<QPointF, 4> corners;
};

struct PdfPageText {
    QSize pictureSize; // the picture the corners belong to
    QVector<PdfTextWord> words;
};

// What makes a document searchable: one entry per picture, in the same
// order (an entry without words gives its page no text), and the TrueType
// font the text is set in, which must hold every character that should be
// found by searching (it is embedded, only the glyphs used).
struct SearchableText {
    QString fontPath;
    QVector<PdfPageText> pages;
};

#endif
