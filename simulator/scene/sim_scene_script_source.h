// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_SCRIPT_SOURCE_H
#define CAMSIM_SCENE_SCRIPT_SOURCE_H

// A scripted scene (sim_scene_script.h) as a stream of JPEG frames at the
// camera's current picture size. The script's clock starts with the first
// frame served, that is when the first receiver starts the stream.
//
// A still picture (a page lying there) is encoded once per page and picture
// size and kept; its frames splice in the display bar with the counter, as
// the plain scene does. A moving picture (a hand, a page being turned) is
// drawn and encoded for every frame; at 4K that takes longer than a frame's
// time and the stream's rate drops while the hands move, as a real camera's
// might, while the script keeps to its own clock.
//
// The JPEG quality starts at 90 and goes down by 5 (to 20) whenever a
// picture does not fit 85 % of the byte limit.
//
// Thread rules: frame() is called by one sender thread at a time (see
// FrameSource); prepare() only while no sender uses the source. The clock
// is called on that thread. The camera state has its own lock.

#include "command/sim_camera_state.h"
#include "scene/sim_scene_script.h"
#include "scene/sim_scene_script_renderer.h"
#include "stream/sim_stream_frame_source.h"

#include <functional>
#include <map>
#include <memory>

namespace camsim {

class SceneScriptSource : public FrameSource {
public:
    // Seconds of a monotonic clock; the default is the steady clock.
    using SecondsClock = std::function<double()>;

    SceneScriptSource(const SimCameraState &state, SceneScript script, SecondsClock clock = {});

    SourceFrame frame(uint32_t counter, size_t byteLimit) override;

    // Encodes the script's first picture for the current size.
    void prepare(size_t byteLimit);

    int quality() const { return quality_; }
    // What the last frame showed.
    const SceneMoment &lastMoment() const { return lastMoment_; }

private:
    void follow(size_t byteLimit);
    std::vector<uint8_t> encodeFitting(const cv::Mat &picture);
    const std::vector<uint8_t> &stillPicture(const SceneMoment &moment);

    const SimCameraState &state_;
    const SceneScript script_;
    SecondsClock clock_;
    bool started_ = false;
    double startSeconds_ = 0;
    std::unique_ptr<SceneScriptRenderer> renderer_;
    size_t byteLimit_ = 0;
    int quality_ = 90;
    std::map<int, std::vector<uint8_t>> stills_; // by page, 0 the empty desk
    SceneMoment lastMoment_;
};

} // namespace camsim

#endif
