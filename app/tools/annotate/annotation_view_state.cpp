// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/annotate/annotation_view_state.h"

#include <algorithm>

void AnnotationViewState::zoomIn()
{
    steps_ = std::min(steps_ + 1, kMaxSteps);
}

void AnnotationViewState::zoomOut()
{
    steps_ = std::max(steps_ - 1, kMinSteps);
}

void AnnotationViewState::turnLeft()
{
    turns_ = (turns_ + 3) % 4;
}

void AnnotationViewState::turnRight()
{
    turns_ = (turns_ + 1) % 4;
}

QTransform AnnotationViewState::transform() const
{
    QTransform transform;
    transform.rotate(90.0 * turns_);
    transform.scale(scale(), scale());
    return transform;
}
