// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/view_transform.h"

#include <QTransform>

#include <opencv2/core.hpp>

#include <algorithm>

namespace {

// Turning and mirroring together are one of the eight symmetries of a
// rectangle: an optional transpose followed by optional flips.
struct Symmetry {
    bool transpose = false;
    bool flipHorizontal = false;
    bool flipVertical = false;

    bool isIdentity() const { return !transpose && !flipHorizontal && !flipVertical; }
};

Symmetry symmetryFor(const ViewState &state)
{
    Symmetry s;
    switch (state.rotationStep & 3) {
    case 1: // (x, y) -> (H-1-y, x)
        s.transpose = true;
        s.flipHorizontal = true;
        break;
    case 2: // (x, y) -> (W-1-x, H-1-y)
        s.flipHorizontal = true;
        s.flipVertical = true;
        break;
    case 3: // (x, y) -> (y, W-1-x)
        s.transpose = true;
        s.flipVertical = true;
        break;
    default:
        break;
    }
    s.flipHorizontal ^= state.mirrorHorizontal;
    s.flipVertical ^= state.mirrorVertical;
    return s;
}

// The source pixel that lands on `target` in the turned picture of size
// `turned`.
QPoint sourcePixel(QPoint target, const QSize &turned, const Symmetry &s)
{
    if (s.flipHorizontal)
        target.setX(turned.width() - 1 - target.x());
    if (s.flipVertical)
        target.setY(turned.height() - 1 - target.y());
    return s.transpose ? QPoint(target.y(), target.x()) : target;
}

// The part of the frame that ends up inside the cut-out.
QRect sourceRect(const QRect &cutOut, const QSize &turned, const Symmetry &s)
{
    const QPoint a = sourcePixel(cutOut.topLeft(), turned, s);
    const QPoint b = sourcePixel(cutOut.bottomRight(), turned, s);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

int openCvType(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Alpha8:
        return CV_8UC1;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        return CV_8UC3;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return CV_8UC4;
    default:
        return -1;
    }
}

// Formats OpenCV has no type for: Qt's own operations on the cut-out part.
QImage transformWithQt(const QImage &part, const ViewState &state)
{
    QImage result = part;
    if (state.rotationStep & 3) {
        QTransform turn;
        turn.rotate(90.0 * (state.rotationStep & 3));
        result = result.transformed(turn, Qt::FastTransformation);
    }
    if (state.mirrorHorizontal || state.mirrorVertical)
        result = result.mirrored(state.mirrorHorizontal, state.mirrorVertical);
    return result;
}

} // namespace

QRect zoomCutOut(const QSize &picture, double zoom)
{
    const QRect whole(QPoint(0, 0), picture);
    if (zoom <= 1.0 || picture.isEmpty())
        return whole;
    const double W = picture.width();
    const double H = picture.height();
    const double d = zoom - 1.0;
    const int x = int(W * d * 0.5);
    const int y = int(d * H * 0.5);
    // A sliver of a picture could truncate to nothing; one pixel stays.
    const int w = std::max(1, int(W - W * d));
    const int h = std::max(1, int(H - d * H));
    return QRect(x, y, w, h).intersected(whole);
}

double zoomMagnification(double zoom)
{
    if (zoom <= 1.0)
        return 1.0;
    // The cut-out keeps at least a tenth of the picture at the largest zoom.
    return 1.0 / std::max(0.1, 2.0 - zoom);
}

QSize turnedSize(const QSize &frame, int rotationStep)
{
    return (rotationStep & 1) ? frame.transposed() : frame;
}

QImage applyViewTransform(const QImage &frame, const ViewState &state)
{
    if (frame.isNull() || state.isIdentity())
        return frame;
    const Symmetry symmetry = symmetryFor(state);
    const QSize turned = turnedSize(frame.size(), state.rotationStep);
    const QRect cutOut = zoomCutOut(turned, state.liveZoom);
    const QRect source = sourceRect(cutOut, turned, symmetry);

    if (symmetry.isIdentity())
        return source == frame.rect() ? frame : frame.copy(source);

    const int type = openCvType(frame.format());
    if (type < 0)
        return transformWithQt(source == frame.rect() ? frame : frame.copy(source), state);

    const int flipCode = symmetry.flipHorizontal && symmetry.flipVertical ? -1
        : symmetry.flipHorizontal                                          ? 1
                                                                           : 0;
    QImage result;
    if (symmetry.transpose) {
        // Qt's quarter turn works in cache-sized tiles, several times faster
        // than a plain transpose of 3-byte pixels; a quarter turn clockwise
        // is the transpose followed by a left-right flip, so that flip is
        // taken back from the ones still to do.
        const int depthBytes = frame.depth() / 8;
        const QImage part(frame.constBits() + source.y() * frame.bytesPerLine() + source.x() * depthBytes,
                          source.width(), source.height(), frame.bytesPerLine(), frame.format());
        QTransform quarter;
        quarter.rotate(90);
        result = part.transformed(quarter, Qt::FastTransformation);
        const bool flipH = !symmetry.flipHorizontal;
        const bool flipV = symmetry.flipVertical;
        if (flipH || flipV) {
            cv::Mat out(result.height(), result.width(), type, result.bits(), size_t(result.bytesPerLine()));
            cv::flip(out, out, flipH && flipV ? -1 : (flipH ? 1 : 0)); // swaps from both ends: safe in place
        }
    } else {
        result = QImage(cutOut.size(), frame.format());
        if (result.isNull())
            return result;
        const cv::Mat whole(frame.height(), frame.width(), type, const_cast<uchar *>(frame.constBits()),
                            size_t(frame.bytesPerLine()));
        const cv::Mat part = whole(cv::Rect(source.x(), source.y(), source.width(), source.height()));
        cv::Mat out(result.height(), result.width(), type, result.bits(), size_t(result.bytesPerLine()));
        cv::flip(part, out, flipCode);
        // OpenCV wrote into the picture's own pixels, not a new buffer.
        Q_ASSERT(out.data == result.bits());
    }
    result.setDotsPerMeterX(frame.dotsPerMeterX());
    result.setDotsPerMeterY(frame.dotsPerMeterY());
    return result;
}
