// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/corner_adjust/corner_adjust_tool.h"

#include "imaging/corner_adjustment/corner_adjustment.h"
#include "imaging/detection/document_detector.h"
#include "imaging/transforms/gray_from_image.h"
#include "tools/corner_adjust/corner_adjust_view.h"

#include <QWidget>

namespace {

CornerAdjustment startingCorners(const QImage &shown)
{
    const cv::Size size(shown.width(), shown.height());
    CornerAdjustment start(size);
    DocumentOutline outline;
    if (DocumentDetector().detectDocument(grayFromImage(shown), &outline) == kDetectFound)
        start.startFrom(outline, size);
    return start;
}

QImage cutOutOf(const QImage &picture, const CornerAdjustment &corners)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const cv::Mat frame(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar *>(rgb.constBits()),
                        static_cast<size_t>(rgb.bytesPerLine()));
    const cv::Mat cut = corners.cutOut(frame);
    if (cut.empty())
        return QImage();
    return QImage(cut.data, cut.cols, cut.rows, static_cast<int>(cut.step), QImage::Format_RGB32)
        .copy();
}

} // namespace

CornerAdjustTool::CornerAdjustTool(QWidget *window, Parts parts)
    : window_(window), parts_(std::move(parts))
{
}

CornerAdjustTool::~CornerAdjustTool()
{
    delete view_.data();
}

bool CornerAdjustTool::isOpen() const
{
    return !view_.isNull();
}

CornerAdjustView *CornerAdjustTool::view() const
{
    return view_.data();
}

bool CornerAdjustTool::open(const QImage &shown)
{
    if (shown.isNull()) {
        parts_.reportFailure(tr("There is no picture to cut a sheet out of yet."));
        return false;
    }
    delete view_.data();
    // The full-resolution frame of this moment: the camera goes on while
    // the corners are placed.
    full_ = parts_.fullPicture();
    if (full_.isNull())
        full_ = shown;
    view_ = new CornerAdjustView(shown, startingCorners(shown), window_);
    QObject::connect(view_, &CornerAdjustView::saveRequested, view_, [this] { save(); });
    QObject::connect(view_, &CornerAdjustView::cancelled, view_, [this] { cancel(); });
    view_->setGeometry(window_->rect());
    view_->show();
    view_->raise();
    // The button that opened the view lies on the tool bar, a window of its
    // own that keeps the keyboard: Enter and Esc must reach the corners.
    window_->activateWindow();
    view_->setFocus();
    return true;
}

QString CornerAdjustTool::save()
{
    if (!view_)
        return QString();
    const QImage cut = cutOutOf(full_, view_->adjustment());
    if (cut.isNull()) {
        parts_.reportFailure(tr("These corners enclose nothing to cut out."));
        return QString();
    }
    const QString path = parts_.savePhoto(cut, QString());
    if (!path.isEmpty())
        cancel();
    return path;
}

void CornerAdjustTool::cancel()
{
    if (view_)
        view_->deleteLater();
    view_.clear();
    full_ = QImage();
}
