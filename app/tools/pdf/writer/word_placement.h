// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_WORD_PLACEMENT_H
#define CORVANE_WORD_PLACEMENT_H

// Where a word of the invisible text layer goes on its PDF page. The word
// keeps its length, height and centre but is set along the nearest quarter
// turn of its reading direction: PDF readers order and select text set at
// odd angles badly (pdftotext tore words set at 2 degrees apart), while
// search only needs the word over its print. Length and height are the
// word's own, not those of the upright box around a skewed word, which
// would grow long words taller than short ones on the same line and break
// the line apart.
//
// Thread rules: pure functions.

#include <QPointF>
#include <QSizeF>

#include <array>

struct WordPlacement {
    int quarterTurns = 0;  // clockwise turns of the word's reading direction on the page: 0 left to right
    QPointF readingStart;  // the start of the box's bottom edge, in PDF points (y up)
    QPointF along;         // unit vector in reading direction, PDF space
    QPointF up;            // unit vector towards the tops of the letters
    double length = 0;     // the box's extent in reading direction, points
    double height = 0;     // its extent across, points
};

// `corners` in picture pixels (y down), the picture of `pictureSize` drawn
// over a page of `pageSize` points. False for a word without extent.
bool placeWord(const std::array<QPointF, 4> &corners, QSizeF pictureSize, QSizeF pageSize,
               WordPlacement *placement);

#endif
