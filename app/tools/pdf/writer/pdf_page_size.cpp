// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/pdf_page_size.h"

#include <algorithm>

PdfPageSize pdfPageSizeFor(unsigned pictureWidth, unsigned pictureHeight)
{
    PdfPageSize size;
    size.width = float(pictureWidth);
    size.height = float(pictureHeight);
    const float longest = std::max(size.width, size.height);
    if (longest > kMaxPdfPageSide) {
        const float factor = kMaxPdfPageSide / longest;
        size.width = std::min(size.width * factor, kMaxPdfPageSide);
        size.height = std::min(size.height * factor, kMaxPdfPageSide);
        size.scaled = true;
    }
    size.width = std::max(size.width, kMinPdfPageSide);
    size.height = std::max(size.height, kMinPdfPageSide);
    return size;
}
