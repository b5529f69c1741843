// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_RENDERER_H
#define CAMSIM_SCENE_RENDERER_H

// Draws what the document camera looks at: a wooden desk, a white sheet of
// paper with printed text lines and a QR code, slowly turning and drifting,
// and the camera's on-screen display bar across the top with the frame
// counter. The desk and the sheet are drawn once per picture size; a pose is
// one placement of the sheet, so a loop of poses gives the motion.
//
// The display bar is kept apart from the poses and is exactly bandRows()
// high (a multiple of 16, one JPEG block row at 4:2:0) so that the counter
// can be re-encoded alone and spliced into a pose's encoded picture.
//
// Thread rules: not thread-safe; one owner thread uses an instance.

#include <opencv2/core.hpp>

#include <cstdint>

namespace camsim {

class SceneRenderer {
public:
    SceneRenderer(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int bandRows() const { return bandRows_; }

    static constexpr int kPoseCount = 32;

    // The full picture for pose 0..kPoseCount-1, display bar included (with
    // an empty counter field).
    cv::Mat renderPose(int pose) const;

    // The display bar showing this frame counter: width() x bandRows().
    cv::Mat renderBand(uint32_t counter) const;

    // The empty desk, full size (BGR), for scenes that place sheets of
    // their own.
    const cv::Mat &desk() const { return desk_; }

    // Pose shown for a frame counter: each pose is held for two frames and
    // the sheet swings back and forth, so the loop has no jump.
    static int poseForFrame(uint32_t counter);

private:
    void drawDesk();
    void drawSheet();

    int width_;
    int height_;
    int bandRows_;
    cv::Mat desk_;      // BGR, full size
    cv::Mat sheet_;     // BGR, the paper in its own coordinates
    cv::Mat bandBase_;  // the bar without the counter
};

} // namespace camsim

#endif
