// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/page_cut.h"

#include "imaging/detection/document_deskew.h"
#include "imaging/detection/document_detector.h"
#include "imaging/transforms/gray_from_image.h"

PageCut cutPage(const QImage &picture)
{
    PageCut cut;
    if (picture.isNull())
        return cut;
    cut.picture = picture;
    DocumentOutline outline;
    if (DocumentDetector().detectDocument(grayFromImage(picture), &outline) != kDetectFound)
        return cut;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const cv::Mat frame(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar *>(rgb.constBits()),
                        static_cast<size_t>(rgb.bytesPerLine()));
    const cv::Mat sheet = straightenedCutOut(frame, outline);
    if (sheet.empty())
        return cut;
    cut.picture = QImage(sheet.data, sheet.cols, sheet.rows, static_cast<int>(sheet.step),
                         QImage::Format_RGB32)
                      .copy();
    cut.sheetFound = true;
    return cut;
}
