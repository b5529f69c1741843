// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/curtain/curtain_geometry.h"

#include <algorithm>

namespace {

// The new near edge (left or top) after a drag by `travel`, with `low` and
// `high` the curtain's current near and far edges (inclusive).
int draggedNearEdge(int low, int high, int travel)
{
    const int side = high - low + 1;
    int edge = low + travel;
    // A curtain already at its narrowest widens back towards it first.
    if (side <= CurtainGeometry::kMinimumSide)
        edge += side - CurtainGeometry::kMinimumSide;
    // Never past the far edge: the curtain keeps its smallest size rather
    // than turning inside out.
    edge = std::min(edge, high + 1 - CurtainGeometry::kMinimumSide);
    if (edge <= 0)
        edge = 1;
    return edge;
}

int draggedSide(int side, int travel, int maxSide)
{
    int v = side + travel;
    if (v <= CurtainGeometry::kMinimumSide)
        v = CurtainGeometry::kMinimumSide;
    return std::min(v, maxSide);
}

} // namespace

CurtainGeometry::CurtainGeometry(int maxWidth, int maxHeight)
    : maxWidth_(maxWidth), maxHeight_(maxHeight), curtainRect_(0, 0, maxWidth, maxHeight)
{
}

QRect CurtainGeometry::leftHandleRect() const
{
    return QRect(0, (curtainRect_.height() - kHandleLength) / 2, kHandleDepth, kHandleLength);
}

QRect CurtainGeometry::topHandleRect() const
{
    return QRect((curtainRect_.width() - kHandleLength) / 2, 0, kHandleLength, kHandleDepth);
}

QRect CurtainGeometry::rightHandleRect() const
{
    return QRect(curtainRect_.width() - kHandleDepth, (curtainRect_.height() - kHandleLength) / 2,
                 kHandleDepth, kHandleLength);
}

QRect CurtainGeometry::bottomHandleRect() const
{
    return QRect((curtainRect_.width() - kHandleLength) / 2, curtainRect_.height() - kHandleDepth,
                 kHandleLength, kHandleDepth);
}

QRect CurtainGeometry::closeButtonRect() const
{
    return QRect((curtainRect_.width() - kCloseSide) / 2, (curtainRect_.height() - kCloseSide) / 2,
                 kCloseSide, kCloseSide);
}

void CurtainGeometry::press(const QPoint &local, const QPoint &global)
{
    lastGlobalPos_ = global;
    if (leftHandleRect().contains(local))
        dragEdge_ = Left;
    else if (topHandleRect().contains(local))
        dragEdge_ = Top;
    else if (rightHandleRect().contains(local))
        dragEdge_ = Right;
    else if (bottomHandleRect().contains(local))
        dragEdge_ = Bottom;
}

void CurtainGeometry::move(const QPoint &global)
{
    const QPoint travel = global - lastGlobalPos_;
    QRect &r = curtainRect_;
    switch (dragEdge_) {
    case Left:
        r.setLeft(draggedNearEdge(r.left(), r.right(), travel.x()));
        break;
    case Top:
        r.setTop(draggedNearEdge(r.top(), r.bottom(), travel.y()));
        break;
    case Right:
        r.setWidth(draggedSide(r.width(), travel.x(), maxWidth_));
        break;
    case Bottom:
        r.setHeight(draggedSide(r.height(), travel.y(), maxHeight_));
        break;
    case NoEdge:
        break;
    }
    lastGlobalPos_ = global;
}
