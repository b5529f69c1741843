// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_script_source.h"

#include "scene/sim_scene_jpeg_encode.h"
#include "scene/sim_scene_jpeg_splice.h"
#include "stream/sim_stream_jpeg_tags.h"

#include <algorithm>
#include <chrono>

namespace camsim {

namespace {

constexpr int kStartQuality = 90;
constexpr int kLowestQuality = 20;
constexpr int kQualityStep = 5;
// A long script of a book at 4K would otherwise keep every page encoded.
constexpr size_t kMaxKeptStills = 16;

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SceneScriptSource::SceneScriptSource(const SimCameraState &state, SceneScript script,
                                     SecondsClock clock)
    : state_(state), script_(std::move(script)), clock_(clock ? std::move(clock) : steadySeconds)
{
}

void SceneScriptSource::follow(size_t byteLimit)
{
    const Resolution r = state_.currentResolution();
    if (renderer_ && renderer_->width() == r.width && renderer_->height() == r.height &&
        byteLimit == byteLimit_)
        return;
    renderer_ = std::make_unique<SceneScriptRenderer>(r.width, r.height);
    byteLimit_ = byteLimit;
    quality_ = kStartQuality;
    stills_.clear();
}

std::vector<uint8_t> SceneScriptSource::encodeFitting(const cv::Mat &picture)
{
    const size_t budget = byteLimit_ / 100 * 85;
    for (;;) {
        std::vector<uint8_t> jpeg = encodeSceneJpeg(picture, quality_);
        if (jpeg.size() <= budget || quality_ <= kLowestQuality)
            return jpeg;
        quality_ = std::max(kLowestQuality, quality_ - kQualityStep);
        // Stills encoded at the old quality would no longer match the
        // display bar's tables.
        stills_.clear();
    }
}

const std::vector<uint8_t> &SceneScriptSource::stillPicture(const SceneMoment &moment)
{
    auto found = stills_.find(moment.page);
    if (found != stills_.end())
        return found->second;
    SceneMoment plain = moment;
    plain.kind = moment.page > 0 ? SceneStep::Kind::Page : SceneStep::Kind::Empty;
    std::vector<uint8_t> jpeg = encodeFitting(renderer_->render(plain, 0));
    if (stills_.size() >= kMaxKeptStills)
        stills_.clear();
    return stills_.emplace(moment.page, std::move(jpeg)).first->second;
}

void SceneScriptSource::prepare(size_t byteLimit)
{
    follow(byteLimit);
    stillPicture(sceneMomentAt(script_, 0));
}

SourceFrame SceneScriptSource::frame(uint32_t counter, size_t byteLimit)
{
    follow(byteLimit);
    const double now = clock_();
    if (!started_) {
        started_ = true;
        startSeconds_ = now;
    }
    lastMoment_ = sceneMomentAt(script_, now - startSeconds_);

    SourceFrame out;
    out.width = static_cast<uint16_t>(renderer_->width());
    out.height = static_cast<uint16_t>(renderer_->height());
    std::vector<uint8_t> jpeg;
    if (lastMoment_.still) {
        const std::vector<uint8_t> &still = stillPicture(lastMoment_);
        JpegLayout layout;
        if (parseJpegLayout(still, layout) && layout.mcuHeight > 0 &&
            renderer_->bandRows() % layout.mcuHeight == 0) {
            const size_t rows = static_cast<size_t>(renderer_->bandRows() / layout.mcuHeight);
            jpeg = spliceTopSegments(still, encodeSceneJpeg(renderer_->renderBand(counter), quality_),
                                     rows);
        }
    }
    if (jpeg.empty())
        jpeg = encodeFitting(renderer_->render(lastMoment_, counter));
    out.jpeg = withFrameTag(jpeg, counter);
    return out;
}

} // namespace camsim
