// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/page_cut.h"

#include "imaging/deskew/deskewed_picture.h"
#include "imaging/deskew/found_sheet.h"
#include "imaging/detection/document_detector.h"
#include "imaging/transforms/gray_from_image.h"

PageCut cutPage(const QImage &picture)
{
    PageCut cut;
    cut.picture = picture;
    if (picture.isNull())
        return cut;
    FoundSheet sheet;
    if (DocumentDetector().detectDocument(grayFromImage(picture), &sheet.outline) != kDetectFound)
        return cut;
    sheet.frameSize = picture.size();
    const QImage sheetPicture = deskewedPicture(picture, sheet);
    if (sheetPicture.isNull())
        return cut;
    cut.picture = sheetPicture;
    cut.sheetFound = true;
    return cut;
}
