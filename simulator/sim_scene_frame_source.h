#ifndef CAMSIM_SCENE_FRAME_SOURCE_H
#define CAMSIM_SCENE_FRAME_SOURCE_H

// The scene as a stream of JPEG frames at the camera's current picture size.
//
// Every pose of the scene is encoded once (with a restart marker per block
// row) and kept; a frame is its pose with the display bar encoded afresh
// for the frame counter and spliced in, plus a comment tag naming the
// counter. So a frame costs one encode of a thin strip, not of the whole
// picture, which keeps 3840x2880 at 30 frames/s on one core. Poses are
// encoded on first use; prepare() encodes them all up front.
//
// The JPEG quality starts at 90 and is lowered in steps of 5 (down to 20)
// until every pose stays below 85 % of the byte limit, leaving room for the
// strip and the tag. A change of picture size or limit starts over.
//
// Thread rules: see FrameSource; the camera state may change concurrently
// (it has its own lock) and is read once per frame.

#include "sim_camera_state.h"
#include "sim_scene_renderer.h"
#include "sim_stream_frame_source.h"

#include <memory>

namespace camsim {

class SceneFrameSource : public FrameSource {
public:
    explicit SceneFrameSource(const SimCameraState &state);

    SourceFrame frame(uint32_t counter, size_t byteLimit) override;

    // Encodes every pose for the current size and limit.
    void prepare(size_t byteLimit);

    int quality() const { return quality_; }
    // Whether the last frame was spliced (false: encoded whole).
    bool lastFrameSpliced() const { return lastSpliced_; }

private:
    void follow(size_t byteLimit);
    const std::vector<uint8_t> &poseJpeg(int pose);
    std::vector<uint8_t> encode(const cv::Mat &picture) const;

    const SimCameraState &state_;
    std::unique_ptr<SceneRenderer> renderer_;
    size_t byteLimit_ = 0;
    int quality_ = 90;
    std::vector<std::vector<uint8_t>> poses_;
    bool lastSpliced_ = false;
};

} // namespace camsim

#endif
