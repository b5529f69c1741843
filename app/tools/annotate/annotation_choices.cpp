// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_choices.h"

int fontSizeForIndex(int index)
{
    return index >= 1 && index <= 6 ? 12 + 2 * index : 12;
}

int penWidthFor(PenSize size)
{
    switch (size) {
    case PenSize::Small:
        return 3;
    case PenSize::Medium:
        return 5;
    case PenSize::Large:
        return 10;
    }
    return 5;
}

QColor penColourFor(int colourIndex)
{
    static const QColor colours[kPenColourCount] = {
        QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 192, 255),
        QColor(0, 255, 0), QColor(0, 0, 255),   QColor(248, 0, 192)};
    return colourIndex >= 0 && colourIndex < kPenColourCount ? colours[colourIndex] : colours[0];
}

QString textEntryStyleFor(int colourIndex)
{
    static const char *const styles[kPenColourCount] = {
        "color:rgb(255,0,0)",  "color:rgb(255,235,0)", "color:rgb(0,192,255)",
        "color:rgb(32,255,0)", "color:rgb(8,0,255)",   "color:rgb(248,0,192)"};
    return QString::fromLatin1(
        styles[colourIndex >= 0 && colourIndex < kPenColourCount ? colourIndex : 0]);
}
