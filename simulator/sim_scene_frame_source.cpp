#include "sim_scene_frame_source.h"

#include "sim_scene_jpeg_splice.h"
#include "sim_stream_jpeg_tags.h"

#include <opencv2/imgcodecs.hpp>

#include <algorithm>

namespace camsim {

namespace {

constexpr int kStartQuality = 90;
constexpr int kLowestQuality = 20;
constexpr int kQualityStep = 5;
constexpr int kBlockWidth = 16; // 4:2:0 sampling, which the encoder uses by default

} // namespace

SceneFrameSource::SceneFrameSource(const SimCameraState &state) : state_(state) {}

void SceneFrameSource::follow(size_t byteLimit)
{
    const Resolution r = state_.currentResolution();
    if (renderer_ && renderer_->width() == r.width && renderer_->height() == r.height &&
        byteLimit == byteLimit_)
        return;
    renderer_ = std::make_unique<SceneRenderer>(r.width, r.height);
    byteLimit_ = byteLimit;
    quality_ = kStartQuality;
    poses_.assign(SceneRenderer::kPoseCount, {});
}

std::vector<uint8_t> SceneFrameSource::encode(const cv::Mat &picture) const
{
    const int blocksPerRow = (picture.cols + kBlockWidth - 1) / kBlockWidth;
    const std::vector<int> params = {cv::IMWRITE_JPEG_QUALITY, quality_,
                                     cv::IMWRITE_JPEG_RST_INTERVAL, blocksPerRow,
                                     cv::IMWRITE_JPEG_OPTIMIZE, 0};
    std::vector<uint8_t> out;
    cv::imencode(".jpg", picture, out, params);
    return out;
}

const std::vector<uint8_t> &SceneFrameSource::poseJpeg(int pose)
{
    std::vector<uint8_t> &slot = poses_[static_cast<size_t>(pose)];
    while (slot.empty()) {
        std::vector<uint8_t> jpeg = encode(renderer_->renderPose(pose));
        const size_t budget = byteLimit_ / 100 * 85;
        if (jpeg.size() > budget && quality_ > kLowestQuality) {
            // Every pose must share one quality (the strip's tables must
            // match), so start the cache over.
            quality_ = std::max(kLowestQuality, quality_ - kQualityStep);
            poses_.assign(SceneRenderer::kPoseCount, {});
            continue;
        }
        slot = std::move(jpeg);
    }
    return slot;
}

void SceneFrameSource::prepare(size_t byteLimit)
{
    follow(byteLimit);
    for (int pose = 0; pose < SceneRenderer::kPoseCount; ++pose)
        poseJpeg(pose);
}

SourceFrame SceneFrameSource::frame(uint32_t counter, size_t byteLimit)
{
    follow(byteLimit);
    SourceFrame out;
    out.width = static_cast<uint16_t>(renderer_->width());
    out.height = static_cast<uint16_t>(renderer_->height());

    const int pose = SceneRenderer::poseForFrame(counter);
    const std::vector<uint8_t> &picture = poseJpeg(pose);
    const cv::Mat band = renderer_->renderBand(counter);
    JpegLayout layout;
    std::vector<uint8_t> spliced;
    if (parseJpegLayout(picture, layout) && layout.mcuHeight > 0 &&
        renderer_->bandRows() % layout.mcuHeight == 0) {
        const size_t rows = static_cast<size_t>(renderer_->bandRows() / layout.mcuHeight);
        spliced = spliceTopSegments(picture, encode(band), rows);
    }
    lastSpliced_ = !spliced.empty();
    if (!lastSpliced_) {
        cv::Mat whole = renderer_->renderPose(pose);
        band.copyTo(whole(cv::Rect(0, 0, band.cols, band.rows)));
        spliced = encode(whole);
    }
    out.jpeg = withFrameTag(spliced, counter);
    return out;
}

} // namespace camsim
