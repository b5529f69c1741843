// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_VIEW_TRANSFORMS_H
#define CORVANE_VIEW_TRANSFORMS_H

// The live view's transform state and frame path: what the side bar's
// rotate, mirror, zoom and freeze buttons change, applied to every frame the
// live view delivers, and the picture the live page shows (the freeze still,
// the picture held for 300 ms after a turn, or the current frame).
//
// The newest delivered frame is kept (shared, not copied), so a change of
// state re-applies to it at once: the screen, and a photo taken right after
// the click, show the change without waiting for the next frame. Every
// change that alters what the live page shows emits viewChanged(), also
// when a rotation hold runs out, so a window that repaints only on change
// stays correct.
//
// The deskew and crop switches and the crop rectangle live here too; the
// document detector plugs in through setDetector() and runs on every fifth
// frame while deskew is on.
//
// Thread rules: GUI thread only (the hold timer is a QTimer of this
// object's thread). Frames come in by value; pictures go out shared.

#include "imaging/transforms/freeze_still.h"
#include "imaging/transforms/milliseconds_clock.h"
#include "imaging/transforms/rotation_hold.h"
#include "imaging/transforms/view_state.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>

class ViewTransforms : public QObject {
    Q_OBJECT

public:
    using Detector = std::function<void(const QImage &currentFrame)>;

    explicit ViewTransforms(QString freezeStillPath,
                            MillisecondsClock clock = steadyMillisecondsClock(),
                            QObject *parent = nullptr);

    // The frame path: keeps `decoded` as the newest frame, applies the view
    // state, runs the detector when due and returns the new current frame.
    QImage toCurrentFrame(const QImage &decoded);
    const QImage &currentFrame() const { return currentFrame_; }
    const QImage &newestDecodedFrame() const { return newestDecoded_; }
    const ViewState &state() const { return state_; }

    // The live page's actions.
    void rotateLeft();
    void rotateRight();
    void toggleMirrorHorizontal();
    void toggleMirrorVertical();
    void zoomIn();
    void zoomOut();
    void toggleFreeze();

    bool freezeOn() const { return freezeOn_; }
    const FreezeStill &freezeStill() const { return still_; }
    const RotationHold &rotationHold() const { return hold_; }

    // The deskew and crop switches act whatever page is shown. Switching
    // crop off forgets the rectangle.
    void setDeskewOn(bool on);
    bool deskewOn() const { return deskewOn_; }
    void setCropOn(bool on);
    bool cropOn() const { return cropOn_; }
    // In window coordinates, as the live page stores it (normalised: a
    // drag up or to the left gives the same rectangle as the other way).
    void setCropRect(const QRect &rect);
    const QRect &cropRect() const { return cropRect_; }

    void setDetector(Detector detector) { detector_ = std::move(detector); }
    // Frames counted while deskew is on; never reset.
    long long detectCounter() const { return detectCounter_; }

    // What the live page shows now: the still while frozen, else the held
    // picture while a turn's hold runs, else the current frame.
    QImage pictureToShow() const;

signals:
    void viewChanged();

private:
    void applyToNewestFrame();
    void changed();

    ViewState state_;
    QImage newestDecoded_;
    QImage currentFrame_;
    RotationHold hold_;
    QTimer holdEnd_;
    FreezeStill still_;
    bool freezeOn_ = false;
    bool deskewOn_ = false;
    bool cropOn_ = false;
    QRect cropRect_;
    long long detectCounter_ = 0;
    Detector detector_;
};

#endif
