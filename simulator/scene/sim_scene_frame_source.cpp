// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_frame_source.h"

#include "scene/sim_scene_jpeg_encode.h"
#include "scene/sim_scene_jpeg_splice.h"
#include "stream/sim_stream_jpeg_tags.h"

#include <algorithm>
#include <cstdlib>

namespace camsim {

namespace {

constexpr int kStartQuality = 90;
constexpr int kLowestQuality = 20;
constexpr int kQualityStep = 5;

} // namespace

SceneFrameSource::SceneFrameSource(const SimCameraState &state) : state_(state) {}

SceneFrameSource::~SceneFrameSource() { stopHelper(); }

void SceneFrameSource::stopHelper()
{
    cancel_ = true;
    if (helper_.joinable())
        helper_.join();
    cancel_ = false;
}

int SceneFrameSource::quality() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return quality_;
}

void SceneFrameSource::follow(size_t byteLimit)
{
    const Resolution r = state_.currentResolution();
    if (renderer_ && renderer_->width() == r.width && renderer_->height() == r.height &&
        byteLimit == byteLimit_)
        return;
    stopHelper();
    renderer_ = std::make_shared<const SceneRenderer>(r.width, r.height);
    byteLimit_ = byteLimit;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quality_ = kStartQuality;
        poses_.assign(SceneRenderer::kPoseCount, Pose());
    }
    // The pose every loop starts with, before anyone needs another.
    Pose first = encodePose(0);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        poses_[0] = std::move(first);
    }
    helper_ = std::thread([this] { fillPoses(); });
}

SceneFrameSource::Pose SceneFrameSource::encodePose(int pose)
{
    const cv::Mat picture = renderer_->renderPose(pose);
    const size_t budget = byteLimit_ / 100 * 85;
    int q = quality();
    while (true) {
        auto jpeg = std::make_shared<const std::vector<uint8_t>>(encodeSceneJpeg(picture, q));
        if (jpeg->size() <= budget || q <= kLowestQuality)
            return Pose{std::move(jpeg), q};
        q = std::max(kLowestQuality, q - kQualityStep);
        std::lock_guard<std::mutex> lock(mutex_);
        quality_ = std::min(quality_, q);
    }
}

void SceneFrameSource::fillPoses()
{
    for (int pose = 1; pose < SceneRenderer::kPoseCount && !cancel_; ++pose) {
        Pose encoded = encodePose(pose);
        std::lock_guard<std::mutex> lock(mutex_);
        poses_[static_cast<size_t>(pose)] = std::move(encoded);
    }
}

void SceneFrameSource::prepare(size_t byteLimit)
{
    follow(byteLimit);
    if (helper_.joinable())
        helper_.join();
}

SceneFrameSource::Pose SceneFrameSource::poseFor(int pose)
{
    std::lock_guard<std::mutex> lock(mutex_);
    int best = 0;
    for (int p = 0; p < SceneRenderer::kPoseCount; ++p) {
        if (poses_[static_cast<size_t>(p)].jpeg && std::abs(p - pose) < std::abs(best - pose))
            best = p;
    }
    return poses_[static_cast<size_t>(best)];
}

SourceFrame SceneFrameSource::frame(uint32_t counter, size_t byteLimit)
{
    follow(byteLimit);
    SourceFrame out;
    out.width = static_cast<uint16_t>(renderer_->width());
    out.height = static_cast<uint16_t>(renderer_->height());

    const Pose pose = poseFor(SceneRenderer::poseForFrame(counter));
    const cv::Mat band = renderer_->renderBand(counter);
    JpegLayout layout;
    std::vector<uint8_t> spliced;
    if (parseJpegLayout(*pose.jpeg, layout) && layout.mcuHeight > 0 &&
        renderer_->bandRows() % layout.mcuHeight == 0) {
        const size_t rows = static_cast<size_t>(renderer_->bandRows() / layout.mcuHeight);
        spliced = spliceTopSegments(*pose.jpeg, encodeSceneJpeg(band, pose.quality), rows);
    }
    lastSpliced_ = !spliced.empty();
    if (!lastSpliced_) {
        cv::Mat whole = renderer_->renderPose(SceneRenderer::poseForFrame(counter));
        band.copyTo(whole(cv::Rect(0, 0, band.cols, band.rows)));
        spliced = encodeSceneJpeg(whole, pose.quality);
    }
    out.jpeg = withFrameTag(spliced, counter);
    return out;
}

} // namespace camsim
