// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/compare_layout.h"

std::array<QRect, kCompareWindowCount> compareWindowRects(CompareLayout layout, int pageWidth,
                                                          int pageHeight)
{
    std::array<QRect, kCompareWindowCount> rects{};
    const int halfHeight = (pageHeight - 60) / 2;
    switch (layout) {
    case CompareLayout::Two: {
        const int width = (pageWidth - 60) / 2;
        rects[0] = QRect(20, 20, width, pageHeight - 40);
        rects[1] = QRect(width + 40, 20, width, pageHeight - 40);
        break;
    }
    case CompareLayout::Four: {
        const int width = (pageWidth - 60) / 2;
        for (int i = 0; i < 4; ++i)
            rects[size_t(i)] = QRect(20 + (i % 2) * (width + 20), 20 + (i / 2) * (halfHeight + 20),
                                     width, halfHeight);
        break;
    }
    case CompareLayout::Six: {
        const int width = (pageWidth - 80) / 3;
        for (int i = 0; i < 6; ++i)
            rects[size_t(i)] = QRect(20 + (i % 3) * (width + 20), 20 + (i / 3) * (halfHeight + 20),
                                     width, halfHeight);
        break;
    }
    }
    return rects;
}
