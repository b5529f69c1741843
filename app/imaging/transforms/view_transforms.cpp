// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/view_transforms.h"

#include "imaging/transforms/view_transform.h"

ViewTransforms::ViewTransforms(QString freezeStillPath, MillisecondsClock clock, QObject *parent)
    : QObject(parent), hold_(std::move(clock)), still_(std::move(freezeStillPath))
{
    holdEnd_.setSingleShot(true);
    connect(&holdEnd_, &QTimer::timeout, this, &ViewTransforms::viewChanged);
}

QImage ViewTransforms::toCurrentFrame(const QImage &decoded)
{
    newestDecoded_ = decoded;
    currentFrame_ = applyViewTransform(decoded, state_);
    if (deskewOn_) {
        if (detectCounter_ % 5 == 0 && detector_ && !currentFrame_.isNull())
            detector_(currentFrame_);
        ++detectCounter_;
    }
    return currentFrame_;
}

void ViewTransforms::applyToNewestFrame()
{
    currentFrame_ = applyViewTransform(newestDecoded_, state_);
}

void ViewTransforms::changed()
{
    applyToNewestFrame();
    emit viewChanged();
}

void ViewTransforms::rotateLeft()
{
    state_.rotationStep = rotatedLeft(state_.rotationStep);
    hold_.hold(currentFrame_);
    holdEnd_.start(RotationHold::kHoldMilliseconds);
    changed();
}

void ViewTransforms::rotateRight()
{
    hold_.hold(currentFrame_);
    holdEnd_.start(RotationHold::kHoldMilliseconds);
    state_.rotationStep = rotatedRight(state_.rotationStep);
    changed();
}

void ViewTransforms::toggleMirrorHorizontal()
{
    state_.mirrorHorizontal = !state_.mirrorHorizontal;
    changed();
}

void ViewTransforms::toggleMirrorVertical()
{
    state_.mirrorVertical = !state_.mirrorVertical;
    changed();
}

void ViewTransforms::zoomIn()
{
    state_.liveZoom = zoomedIn(state_.liveZoom);
    changed();
}

void ViewTransforms::zoomOut()
{
    state_.liveZoom = zoomedOut(state_.liveZoom);
    changed();
}

void ViewTransforms::toggleFreeze()
{
    freezeOn_ = !freezeOn_;
    if (freezeOn_)
        still_.capture(currentFrame_);
    else
        still_.release();
    emit viewChanged();
}

void ViewTransforms::setDeskewOn(bool on)
{
    deskewOn_ = on;
    // The sheet's outline appears or goes at once, not with the next frame.
    emit viewChanged();
}

void ViewTransforms::setCropOn(bool on)
{
    cropOn_ = on;
    if (!on)
        cropRect_ = QRect(0, 0, 0, 0);
    emit viewChanged();
}

void ViewTransforms::setCropRect(const QRect &rect)
{
    cropRect_ = rect;
    emit viewChanged();
}

QImage ViewTransforms::pictureToShow() const
{
    if (freezeOn_)
        return still_.picture();
    if (hold_.isActive())
        return hold_.picture();
    return currentFrame_;
}
