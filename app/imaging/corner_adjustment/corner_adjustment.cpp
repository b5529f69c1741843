// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/corner_adjustment/corner_adjustment.h"

#include "imaging/detection/document_deskew.h"

#include <algorithm>
#include <cmath>

namespace {

// Steps of the search for the farthest usable point along a drag.
constexpr int kDragSearchSteps = 16;

} // namespace

CornerAdjustment::CornerAdjustment(cv::Size picture)
    : picture_(std::max(picture.width, 1), std::max(picture.height, 1)),
      // A few screen pixels on a small picture, a sliver of a large one.
      minEdge_(std::max(4.0f, std::min(picture_.width, picture_.height) / 20.0f))
{
    startInset();
}

void CornerAdjustment::startInset()
{
    const float w = static_cast<float>(picture_.width - 1);
    const float h = static_cast<float>(picture_.height - 1);
    const float dx = w * kInset, dy = h * kInset;
    quad_ = {cv::Point2f(dx, dy), cv::Point2f(w - dx, dy), cv::Point2f(w - dx, h - dy),
             cv::Point2f(dx, h - dy)};
}

bool CornerAdjustment::startFrom(const DocumentOutline &outline, cv::Size foundIn)
{
    if (foundIn.width <= 0 || foundIn.height <= 0) {
        startInset();
        return false;
    }
    const float sx = static_cast<float>(picture_.width) / foundIn.width;
    const float sy = static_cast<float>(picture_.height) / foundIn.height;
    std::array<cv::Point2f, 4> scaled;
    for (int i = 0; i < 4; ++i)
        scaled[i] = clampToPicture(cv::Point2f(outline.corners[i].x * sx, outline.corners[i].y * sy));
    const CornerQuad quad = quadFromCorners(scaled);
    if (!usableQuad(quad, minEdge_)) {
        startInset();
        return false;
    }
    quad_ = quad;
    return true;
}

int CornerAdjustment::cornerAt(cv::Point2f point, float radius) const
{
    int best = -1;
    double bestDistance = radius;
    for (int i = 0; i < 4; ++i) {
        const double d = std::hypot(double(quad_[i].x) - point.x, double(quad_[i].y) - point.y);
        if (d <= bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

cv::Point2f CornerAdjustment::clampToPicture(cv::Point2f p) const
{
    // NaN (a pointer far outside, mapped through a degenerate view) lands
    // on the origin rather than escaping the clamp.
    const float x = std::isfinite(p.x) ? p.x : 0.0f;
    const float y = std::isfinite(p.y) ? p.y : 0.0f;
    return cv::Point2f(std::clamp(x, 0.0f, static_cast<float>(picture_.width - 1)),
                       std::clamp(y, 0.0f, static_cast<float>(picture_.height - 1)));
}

cv::Point2f CornerAdjustment::drag(int corner, cv::Point2f to)
{
    if (corner < 0 || corner > 3)
        return cv::Point2f(-1, -1);
    const cv::Point2f from = quad_[corner];
    const cv::Point2f target = clampToPicture(to);
    CornerQuad trial = quad_;
    trial[corner] = target;
    if (usableQuad(trial, minEdge_)) {
        quad_ = trial;
        return target;
    }
    // Go as far along the drag as the quadrilateral stays usable, so the
    // corner follows the pointer up to the limit instead of sticking where
    // the last good move left it.
    float good = 0.0f, bad = 1.0f;
    for (int step = 0; step < kDragSearchSteps; ++step) {
        const float middle = (good + bad) / 2.0f;
        trial[corner] = from + (target - from) * middle;
        if (usableQuad(trial, minEdge_))
            good = middle;
        else
            bad = middle;
    }
    quad_[corner] = from + (target - from) * good;
    return quad_[corner];
}

DocumentOutline CornerAdjustment::outlineFor(cv::Size target) const
{
    const float sx = static_cast<float>(target.width) / picture_.width;
    const float sy = static_cast<float>(target.height) / picture_.height;
    DocumentOutline outline;
    outline.angle = quadAngle(quad_);
    for (int i = 0; i < 4; ++i)
        outline.corners[i] = cv::Point(static_cast<int>(std::lround(quad_[i].x * sx)),
                                       static_cast<int>(std::lround(quad_[i].y * sy)));
    return outline;
}

cv::Size CornerAdjustment::cutOutSize(cv::Size target) const
{
    cv::Size size;
    cv::Matx33d toCut;
    if (!perspectiveCutOutGeometry(target, outlineFor(target), &size, &toCut))
        return cv::Size();
    return size;
}

cv::Mat CornerAdjustment::cutOut(const cv::Mat &frame) const
{
    if (frame.empty())
        return cv::Mat();
    return perspectiveCutOut(frame, outlineFor(frame.size()));
}
