// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_VIEW_STATE_H
#define CORVANE_VIEW_STATE_H

// What the presenter has done to the live picture: quarter turns, mirrors
// and digital zoom. A plain value: the live view applies it to every frame,
// and a photo applies the same value to a full-resolution frame, so the
// saved picture shows what the screen shows.
//
// Thread rules: none (a value and pure functions).

struct ViewState {
    int rotationStep = 0;          // quarter turns clockwise, 0..3
    bool mirrorHorizontal = false; // left-right
    bool mirrorVertical = false;   // top-bottom
    double liveZoom = 1.0;         // 1.0 .. 1.9 in steps of 0.1

    bool isIdentity() const
    {
        return rotationStep == 0 && !mirrorHorizontal && !mirrorVertical && liveZoom <= 1.0;
    }
};

bool operator==(const ViewState &a, const ViewState &b);
inline bool operator!=(const ViewState &a, const ViewState &b) { return !(a == b); }

// One quarter turn the other way (0 -> 3) or clockwise (3 -> 0).
int rotatedLeft(int rotationStep);
int rotatedRight(int rotationStep);

// Digital zoom steps. Zooming in adds 0.1 while below 1.9 and otherwise
// lands on exactly 1.9; zooming out takes 0.1 while above 1.1 and otherwise
// lands on exactly 1.0. The sums carry the rounding of binary fractions
// (nine steps in from 1.0 give 1.9000000000000008); the two ends are exact.
constexpr double kMaxLiveZoom = 1.9;
constexpr double kMinLiveZoom = 1.0;
double zoomedIn(double zoom);
double zoomedOut(double zoom);

#endif
