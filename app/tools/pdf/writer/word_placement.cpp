// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/word_placement.h"

#include <cmath>

bool placeWord(const std::array<QPointF, 4> &corners, QSizeF pictureSize, QSizeF pageSize,
               WordPlacement *placement)
{
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0)
        return false;
    const double sx = pageSize.width() / pictureSize.width();
    const double sy = pageSize.height() / pictureSize.height();
    std::array<QPointF, 4> page;
    for (size_t i = 0; i < 4; ++i)
        page[i] = QPointF(corners[i].x() * sx, pageSize.height() - corners[i].y() * sy);

    // The word's own extent: its top edge, and the distance from the top
    // edge's start to the bottom edge's start.
    const QPointF reading = page[1] - page[0];
    const double length = std::hypot(reading.x(), reading.y());
    const QPointF across = page[3] - page[0];
    const double height = std::hypot(across.x(), across.y());
    if (!(length > 0) || !(height > 0) || !std::isfinite(length) || !std::isfinite(height))
        return false;
    const QPointF centre = (page[0] + page[1] + page[2] + page[3]) / 4.0;

    // The top edge, start to end, gives the reading direction.
    const double angle = std::atan2(reading.y(), reading.x()); // counter-clockwise, PDF space
    int turns = int(std::lround(-angle / (M_PI / 2)));
    turns = ((turns % 4) + 4) % 4;

    WordPlacement &p = *placement;
    p.quarterTurns = turns;
    switch (turns) {
    case 1: // downwards, the tops of the letters at the right
        p.along = QPointF(0, -1);
        p.up = QPointF(1, 0);
        break;
    case 2:
        p.along = QPointF(-1, 0);
        p.up = QPointF(0, -1);
        break;
    case 3: // upwards, the tops at the left
        p.along = QPointF(0, 1);
        p.up = QPointF(-1, 0);
        break;
    default:
        p.along = QPointF(1, 0);
        p.up = QPointF(0, 1);
        break;
    }
    p.length = length;
    p.height = height;
    p.readingStart = centre - p.along * (p.length / 2) - p.up * (p.height / 2);
    return true;
}
