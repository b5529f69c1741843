// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_COMPARE_LAYOUT_H
#define CORVANE_COMPARE_LAYOUT_H

// Where the compare page's six windows go in each of its three layouts: two
// side by side, two rows of two, two rows of three, with 20-pixel margins
// and gaps. Windows beyond the layout's count are hidden.
//
// Pure arithmetic, no thread rules.

#include <QRect>

#include <array>

enum class CompareLayout { Two = 2, Four = 4, Six = 6 };

constexpr int kCompareWindowCount = 6;

// How many windows the layout shows (windows 1..count).
constexpr int visibleWindowCount(CompareLayout layout)
{
    return int(layout);
}

// The rectangles of windows 1..6 (index 0..5) in a page of the given size.
// The hidden windows' rectangles are empty.
std::array<QRect, kCompareWindowCount> compareWindowRects(CompareLayout layout, int pageWidth,
                                                          int pageHeight);

#endif
