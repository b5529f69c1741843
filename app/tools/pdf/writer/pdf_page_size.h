// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PDF_PAGE_SIZE_H
#define CORVANE_PDF_PAGE_SIZE_H

// The page a picture gets: one PDF point per picture pixel, so the page is
// exactly the picture. A PDF page side may be 3 to 14,400 points, so a
// picture with a longer side is scaled down, keeping its shape, until that
// side is 14,400 points; a side below 3 is raised to 3.
//
// Thread rules: a pure function.

struct PdfPageSize {
    float width = 0;
    float height = 0;
    bool scaled = false; // the picture did not fit at one point per pixel
};

constexpr float kMaxPdfPageSide = 14400.0f;
constexpr float kMinPdfPageSide = 3.0f;

PdfPageSize pdfPageSizeFor(unsigned pictureWidth, unsigned pictureHeight);

#endif
