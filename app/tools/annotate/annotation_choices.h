// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_CHOICES_H
#define CORVANE_ANNOTATION_CHOICES_H

// What the annotation bar's choices stand for: the font size of each entry
// of the size box, the three pen widths, the six pen colours, and the
// colour the text entry shows while typing (a little different from the
// pen colour for yellow, green and blue, which read better there).
//
// Thread rules: none (pure functions).

#include <QColor>
#include <QString>

enum class PenSize { Small, Medium, Large };

constexpr int kPenColourCount = 6;
constexpr int kFontSizeChoices = 7;

// Entries 1..6 are 14..24 points; anything else, entry 0 included, 12.
int fontSizeForIndex(int index);
int penWidthFor(PenSize size);
// Red, yellow, cyan, green, blue, magenta; an index outside 0..5 gives red.
QColor penColourFor(int colourIndex);
QString textEntryStyleFor(int colourIndex);

#endif
