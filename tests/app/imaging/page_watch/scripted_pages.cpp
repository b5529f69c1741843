// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_pages.h"

#include "imaging/page_watch/page_thumbnail.h"
#include "scene/sim_scene_script_renderer.h"

#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>

PlayResult playScript(const std::string &text, PageTurnWatcher &watcher, int fps,
                      double tailSeconds)
{
    camsim::SceneScript script;
    std::string error;
    EXPECT_TRUE(camsim::parseSceneScript(text, script, &error)) << error;
    // Small pictures keep the test quick; the watcher sees a thumbnail of
    // the same size whatever the camera's resolution.
    camsim::SceneScriptRenderer renderer(480, 360);
    PlayResult result;
    const int frames = static_cast<int>((script.totalSeconds() + tailSeconds) * fps);
    std::vector<uint8_t> jpeg;
    for (int i = 0; i < frames; ++i) {
        const double seconds = static_cast<double>(i) / fps;
        const camsim::SceneMoment moment = camsim::sceneMomentAt(script, seconds);
        cv::imencode(".jpg", renderer.render(moment, static_cast<uint32_t>(i)), jpeg,
                     {cv::IMWRITE_JPEG_QUALITY, 80});
        const cv::Mat frame = cv::imdecode(jpeg, cv::IMREAD_COLOR);
        const auto verdict = watcher.feed(pageThumbnail(frame), static_cast<long long>(seconds * 1000));
        if (verdict == PageTurnWatcher::Verdict::TakePage)
            result.taken.push_back({moment.page, moment.still, seconds});
        else if (verdict == PageTurnWatcher::Verdict::SamePage)
            ++result.samePageVerdicts;
    }
    return result;
}
