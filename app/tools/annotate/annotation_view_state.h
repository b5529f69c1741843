// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_ANNOTATION_VIEW_STATE_H
#define CORVANE_ANNOTATION_VIEW_STATE_H

// How the annotation page shows its scene: the zoom, 0.2 to 10 in steps of
// 0.2 (1 at start), and the quarter turns of the side bar's rotate
// buttons. The zoom is kept as a count of steps, so a hundred clicks in and
// out land exactly where they started and never step past a bound.
//
// Thread rules: a plain value.

#include <QTransform>

class AnnotationViewState {
public:
    static constexpr double kStep = 0.2;
    static constexpr int kMinSteps = 1;  // 0.2
    static constexpr int kMaxSteps = 50; // 10

    double scale() const { return steps_ * kStep; }
    void zoomIn();
    void zoomOut();

    // Clockwise quarter turns, 0..3.
    int quarterTurns() const { return turns_; }
    void turnLeft();
    void turnRight();

    QTransform transform() const;

private:
    int steps_ = 5;
    int turns_ = 0;
};

#endif
