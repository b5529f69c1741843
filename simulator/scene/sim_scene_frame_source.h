// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_FRAME_SOURCE_H
#define CAMSIM_SCENE_FRAME_SOURCE_H

// The scene as a stream of JPEG frames at the camera's current picture size.
//
// Every pose of the scene is encoded once (with a restart marker per block
// row) and kept; a frame is its pose with the display bar encoded afresh
// for the frame counter and spliced in, plus a comment tag naming the
// counter. So a frame costs one encode of a thin strip, not of the whole
// picture, which keeps 3840x2880 at 30 frames/s on one core.
//
// After a change of picture size the first pose is encoded at once and the
// others by a helper thread; until a pose is ready the nearest ready one is
// shown, so the rate holds while the motion fills in. prepare() waits until
// every pose is ready.
//
// The JPEG quality starts at 90; a pose that does not stay below 85 % of the
// byte limit (leaving room for the strip and the tag) is encoded again 5
// lower (down to 20), and later poses keep the lower quality. Each pose
// remembers its quality so the strip is encoded to match it.
//
// Thread rules: frame() is called by one sender thread at a time (see
// FrameSource); prepare() and quality() only while no sender uses the
// source. The source owns the helper thread: it starts it on a size change
// and joins it on the next change, in prepare() and in its destructor. The
// pose cache and quality are shared with the helper under one mutex; the
// renderer is immutable once made and shared read-only. The camera state
// has its own lock and is read once per frame.

#include "command/sim_camera_state.h"
#include "scene/sim_scene_renderer.h"
#include "stream/sim_stream_frame_source.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace camsim {

class SceneFrameSource : public FrameSource {
public:
    explicit SceneFrameSource(const SimCameraState &state);
    ~SceneFrameSource() override;
    SceneFrameSource(const SceneFrameSource &) = delete;
    SceneFrameSource &operator=(const SceneFrameSource &) = delete;

    SourceFrame frame(uint32_t counter, size_t byteLimit) override;

    // Encodes every pose for the current size and limit before returning.
    void prepare(size_t byteLimit);

    // The quality new poses are encoded with.
    int quality() const;
    // Whether the last frame was spliced (false: encoded whole).
    bool lastFrameSpliced() const { return lastSpliced_; }

private:
    struct Pose {
        std::shared_ptr<const std::vector<uint8_t>> jpeg; // null until encoded
        int quality = 0;
    };

    void follow(size_t byteLimit);
    void stopHelper();
    void fillPoses(); // helper thread body
    Pose encodePose(int pose);
    Pose poseFor(int pose);

    const SimCameraState &state_;
    std::shared_ptr<const SceneRenderer> renderer_;
    size_t byteLimit_ = 0;

    mutable std::mutex mutex_; // guards poses_ and quality_
    std::vector<Pose> poses_;
    int quality_ = 90;

    std::atomic<bool> cancel_{false};
    std::thread helper_;
    bool lastSpliced_ = false;
};

} // namespace camsim

#endif
