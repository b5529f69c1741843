#ifndef CORVANE_LIVE_PICTURE_PAINTER_H
#define CORVANE_LIVE_PICTURE_PAINTER_H

// Paints the live page: the current frame fitted to the picture area (see
// picture_placement.h), scaled once per new frame, and a notice box over the
// middle of the area when there is something to tell (the camera is not
// answering). The last picture stays under the notice.
//
// Thread rules: GUI thread only (it paints).

#include "core/live_view/scaled_frame_cache.h"

#include <QImage>
#include <QString>

#include <functional>

class QPainter;

class LivePicturePainter {
public:
    void paint(QPainter &painter, const QImage &frame, int screenWidth, int viewHeight,
               const QString &notice);

    // Called with each frame the first time it is painted; for measurements.
    void setPresentObserver(std::function<void(const QImage &)> observer);

private:
    void paintNotice(QPainter &painter, int screenWidth, int viewHeight, const QString &notice);

    ScaledFrameCache cache_;
    qint64 lastPresentedKey_ = -1;
    std::function<void(const QImage &)> presentObserver_;
};

#endif
