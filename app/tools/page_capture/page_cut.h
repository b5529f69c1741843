// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_CUT_H
#define CORVANE_PAGE_CUT_H

// The photo of a page taken hands-free: the sheet found in the picture,
// turned upright and cut out as a deskewed photo is (deskewedPicture);
// the whole picture when no sheet is found (a book filling the view).
//
// Thread rules: none (a pure function, any thread).

#include <QImage>

struct PageCut {
    QImage picture;          // null only for a null input
    bool sheetFound = false;
};

PageCut cutPage(const QImage &picture);

#endif
