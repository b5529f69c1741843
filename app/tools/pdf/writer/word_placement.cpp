#include "tools/pdf/writer/word_placement.h"

#include <algorithm>
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

    double left = page[0].x(), right = left, bottom = page[0].y(), top = bottom;
    for (const QPointF &p : page) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        bottom = std::min(bottom, p.y());
        top = std::max(top, p.y());
    }
    const double width = right - left;
    const double height = top - bottom;
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return false;

    // The top edge, start to end, gives the reading direction.
    const QPointF reading = page[1] - page[0];
    const double angle = std::atan2(reading.y(), reading.x()); // counter-clockwise, PDF space
    int turns = int(std::lround(-angle / (M_PI / 2)));
    turns = ((turns % 4) + 4) % 4;

    WordPlacement &p = *placement;
    p.quarterTurns = turns;
    const QPointF centre((left + right) / 2, (bottom + top) / 2);
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
    p.length = turns % 2 ? height : width;
    p.height = turns % 2 ? width : height;
    p.readingStart = centre - p.along * (p.length / 2) - p.up * (p.height / 2);
    return true;
}
