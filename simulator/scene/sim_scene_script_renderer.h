// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_SCRIPT_RENDERER_H
#define CAMSIM_SCENE_SCRIPT_RENDERER_H

// Draws a scripted scene's moments on the simulator's desk: numbered pages,
// each with its own heading, text and figure so that no two look alike,
// lying slightly askew (each page a little differently, as sheets of a
// stack land); a hand and forearm reaching in from the right; a page slid
// off to the left by the hand while the next one lies beneath. The camera's
// display bar is the plain scene's (SceneRenderer).
//
// Thread rules: not thread-safe; one owner thread uses an instance (the
// page pictures are drawn on first use and kept).

#include "scene/sim_scene_renderer.h"
#include "scene/sim_scene_script.h"

#include <opencv2/core.hpp>

#include <map>

namespace camsim {

class SceneScriptRenderer {
public:
    SceneScriptRenderer(int width, int height);

    int width() const { return base_.width(); }
    int height() const { return base_.height(); }
    int bandRows() const { return base_.bandRows(); }

    // The picture of a moment, the display bar showing a frame counter.
    cv::Mat render(const SceneMoment &moment, uint32_t counter);

    // The display bar with a frame counter.
    cv::Mat renderBand(uint32_t counter) const { return base_.renderBand(counter); }

    // Where page N lies when still: its centre and tilt (degrees,
    // counter-clockwise on screen as OpenCV turns).
    cv::Point2d pageCentre(int page) const;
    double pageAngle(int page) const;
    cv::Size pageSize() const { return pageSize_; }

private:
    const cv::Mat &pagePicture(int page);
    void placeSheet(cv::Mat &picture, const cv::Mat &sheet, cv::Point2d centre, double angle) const;
    void drawHand(cv::Mat &picture, cv::Point2d fingertips) const;

    SceneRenderer base_;
    cv::Size pageSize_;
    std::map<int, cv::Mat> pages_;
};

} // namespace camsim

#endif
