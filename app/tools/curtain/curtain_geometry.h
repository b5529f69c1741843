// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CURTAIN_GEOMETRY_H
#define CORVANE_CURTAIN_GEOMETRY_H

// Where the curtain is and how dragging its handles moves its edges, in
// screen coordinates, without a window. The curtain starts over the whole
// screen (0, 0, maxWidth, maxHeight). A press on a handle picks its edge;
// each move shifts that edge by the mouse's travel since the last press or
// move:
// - right and bottom: the curtain stays at least 84 pixels wide (high) and
//   no wider (higher) than the screen, its left (top) edge fixed;
// - left and top: the edge never goes below screen coordinate 1, and never
//   closer than 84 pixels to the opposite edge, which stays where it is.
// A release drops the edge; moves without one change nothing.
//
// Layout inside the curtain (w, h its size, integer halves): left handle
// 25x58 at (0, (h-58)/2), top 58x25 at ((w-58)/2, 0), right at
// (w-25, (h-58)/2), bottom at ((w-58)/2, h-25), close button 32x32 at
// ((w-32)/2, (h-32)/2).
//
// Thread rules: a plain value, GUI thread.

#include <QPoint>
#include <QRect>

class CurtainGeometry {
public:
    enum Edge { NoEdge = 0, Left = 1, Top = 2, Right = 3, Bottom = 4 };

    static constexpr int kMinimumSide = 84;
    static constexpr int kHandleLength = 58;
    static constexpr int kHandleDepth = 25;
    static constexpr int kCloseSide = 32;

    CurtainGeometry(int maxWidth, int maxHeight);

    QRect curtainRect() const { return curtainRect_; }
    Edge dragEdge() const { return dragEdge_; }

    // Handle and button geometries inside the curtain.
    QRect leftHandleRect() const;
    QRect topHandleRect() const;
    QRect rightHandleRect() const;
    QRect bottomHandleRect() const;
    QRect closeButtonRect() const;

    // `local` is the press inside the curtain, `global` on the screen.
    void press(const QPoint &local, const QPoint &global);
    void move(const QPoint &global);
    void release() { dragEdge_ = NoEdge; }

private:
    int maxWidth_;
    int maxHeight_;
    QRect curtainRect_;
    Edge dragEdge_ = NoEdge;
    QPoint lastGlobalPos_;
};

#endif
