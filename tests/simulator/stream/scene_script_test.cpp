// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted scenes: the script file's grammar, what plays when, and the
// frames the scripted source serves.

#include "command/sim_camera_state.h"
#include "scene/sim_scene_script.h"
#include "scene/sim_scene_script_source.h"
#include "stream/sim_stream_jpeg_tags.h"
#include "stream/sim_stream_options.h"

#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>

#include <cstdio>
#include <fstream>

namespace {

using camsim::SceneMoment;
using camsim::SceneScript;
using camsim::SceneStep;

SceneScript parsed(const std::string &text)
{
    SceneScript script;
    std::string error;
    EXPECT_TRUE(camsim::parseSceneScript(text, script, &error)) << error;
    return script;
}

std::string refusal(const std::string &text)
{
    SceneScript script;
    script.steps.push_back(SceneStep{});
    std::string error;
    EXPECT_FALSE(camsim::parseSceneScript(text, script, &error)) << text;
    EXPECT_EQ(script.steps.size(), 1u) << "a refused script must leave the old one";
    return error;
}

TEST(SceneScriptFile, ReadsEveryStepWithCommentsAndBlankLines)
{
    const SceneScript script = parsed("# a stack\n\npage 1 2.5\n  hand 1 # over page 1\n"
                                      "turn 2 1.25\r\nempty 0.5\n");
    ASSERT_EQ(script.steps.size(), 4u);
    EXPECT_EQ(script.steps[0].kind, SceneStep::Kind::Page);
    EXPECT_EQ(script.steps[0].page, 1);
    EXPECT_DOUBLE_EQ(script.steps[0].seconds, 2.5);
    EXPECT_EQ(script.steps[1].kind, SceneStep::Kind::Hand);
    EXPECT_EQ(script.steps[2].kind, SceneStep::Kind::Turn);
    EXPECT_EQ(script.steps[2].page, 2);
    EXPECT_EQ(script.steps[3].kind, SceneStep::Kind::Empty);
    EXPECT_DOUBLE_EQ(script.totalSeconds(), 5.25);
}

TEST(SceneScriptFile, RefusesBadStepsNamingTheLine)
{
    EXPECT_EQ(refusal("page 1 1\nflip 2 1\n"), "line 2: unknown step 'flip' (page, hand, turn, empty)");
    EXPECT_NE(refusal("page 0 1").find("line 1: bad page number"), std::string::npos);
    EXPECT_NE(refusal("page +1 1").find("bad page number"), std::string::npos);
    EXPECT_NE(refusal("page 1 0").find("bad duration"), std::string::npos);
    EXPECT_NE(refusal("page 1 nan").find("bad duration"), std::string::npos);
    EXPECT_NE(refusal("page 1 3601").find("bad duration"), std::string::npos);
    EXPECT_NE(refusal("hand").find("hand takes seconds"), std::string::npos);
    EXPECT_NE(refusal("turn 2").find("turn takes a page number and seconds"), std::string::npos);
    EXPECT_NE(refusal("# only a comment\n\n").find("no steps"), std::string::npos);
    EXPECT_NE(refusal(std::string("page 1 1\0 2", 11)).find("line 1"), std::string::npos);
}

TEST(SceneScriptFile, RefusesOversizedScripts)
{
    std::string many;
    for (size_t i = 0; i <= camsim::kMaxSteps; ++i)
        many += "hand 1\n";
    EXPECT_NE(refusal(many).find("line 10001: more than 10000 steps"), std::string::npos);
    EXPECT_NE(refusal(std::string(camsim::kMaxScriptBytes + 1, '#')).find("larger than 1 MiB"),
              std::string::npos);
}

TEST(SceneScriptFile, LoadingNamesTheFile)
{
    SceneScript script;
    std::string error;
    EXPECT_FALSE(camsim::loadSceneScript("/nonexistent/book.txt", script, &error));
    EXPECT_EQ(error, "cannot read /nonexistent/book.txt");

    const std::string path = testing::TempDir() + "scene_script_test.txt";
    std::ofstream(path) << "page 1 1\nturn x 1\n";
    EXPECT_FALSE(camsim::loadSceneScript(path, script, &error));
    EXPECT_EQ(error, path + ": line 2: bad page number 'x' (1..9999)");
    std::ofstream(path) << "page 4 1\n";
    EXPECT_TRUE(camsim::loadSceneScript(path, script, &error));
    EXPECT_EQ(script.steps.at(0).page, 4);
    std::remove(path.c_str());
}

TEST(SceneScriptTiming, StepsFollowEachOtherAndTheLastOneStays)
{
    const SceneScript script = parsed("page 1 2\nhand 1\nturn 2 2\nempty 1\n");
    SceneMoment m = camsim::sceneMomentAt(script, -1);
    EXPECT_EQ(m.step, 0u);
    EXPECT_EQ(m.page, 1);
    EXPECT_TRUE(m.still);

    m = camsim::sceneMomentAt(script, 2.5);
    EXPECT_EQ(m.kind, SceneStep::Kind::Hand);
    EXPECT_EQ(m.page, 1);
    EXPECT_DOUBLE_EQ(m.phase, 0.5);
    EXPECT_FALSE(m.still);

    m = camsim::sceneMomentAt(script, 4.0);
    EXPECT_EQ(m.kind, SceneStep::Kind::Turn);
    EXPECT_EQ(m.page, 2);
    EXPECT_EQ(m.leavingPage, 1);
    EXPECT_FALSE(m.still);

    m = camsim::sceneMomentAt(script, 5.5);
    EXPECT_EQ(m.kind, SceneStep::Kind::Empty);
    EXPECT_EQ(m.page, 0);

    m = camsim::sceneMomentAt(script, 100);
    EXPECT_EQ(m.step, 3u);
    EXPECT_DOUBLE_EQ(m.phase, 1.0);
    EXPECT_TRUE(m.still);

    // A script ending in a movement ends still, the movement done.
    m = camsim::sceneMomentAt(parsed("page 1 1\nturn 2 1\n"), 50);
    EXPECT_TRUE(m.still);
    EXPECT_EQ(m.page, 2);
}

class ScriptSource : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.setResolutions({{640, 480, 30}, {320, 240, 30}});
        ASSERT_TRUE(state.selectResolution(640, 480));
    }
    camsim::SimCameraState state;
    double now = 100.0;
    camsim::SceneScriptSource source{state, parsed("page 1 1\nhand 1\npage 1 1\nturn 2 1\n"),
                                     [this] { return now; }};
};

cv::Mat decoded(const camsim::SourceFrame &frame)
{
    return cv::imdecode(frame.jpeg, cv::IMREAD_COLOR);
}

TEST_F(ScriptSource, StillFramesDifferOnlyInTheCounterAndPlayTheScriptOnItsClock)
{
    // The script starts with the first frame, whatever the clock reads.
    const auto first = source.frame(7, 1000000);
    uint32_t tag = 0;
    ASSERT_TRUE(camsim::readFrameTag(first.jpeg.data(), first.jpeg.size(), tag));
    EXPECT_EQ(tag, 7u);
    EXPECT_EQ(first.width, 640);
    EXPECT_EQ(source.lastMoment().page, 1);
    now += 0.5;
    const auto second = source.frame(8, 1000000);
    const cv::Mat a = decoded(first), b = decoded(second);
    ASSERT_EQ(a.size(), cv::Size(640, 480));
    // Below the display bar of a 640x480 picture (32 rows) and the block row
    // under it, which the decoder's chroma smoothing reaches into.
    const int band = 48;
    EXPECT_EQ(cv::norm(a.rowRange(band, a.rows), b.rowRange(band, b.rows), cv::NORM_INF), 0);
    EXPECT_GT(cv::norm(a.rowRange(0, band), b.rowRange(0, band), cv::NORM_L1), 0);

    now += 1.0; // the hand, half way in
    const cv::Mat hand = decoded(source.frame(9, 1000000));
    EXPECT_FALSE(source.lastMoment().still);
    EXPECT_GT(cv::norm(a.rowRange(band, a.rows), hand.rowRange(band, hand.rows), cv::NORM_L1),
              640.0 * 480 * 2);
    now += 1.0; // page 1 again, as before the hand
    const cv::Mat again = decoded(source.frame(10, 1000000));
    EXPECT_EQ(cv::norm(a.rowRange(band, a.rows), again.rowRange(band, again.rows), cv::NORM_INF), 0);
    now += 5.0; // page 2 after the turn
    const cv::Mat next = decoded(source.frame(11, 1000000));
    EXPECT_EQ(source.lastMoment().page, 2);
    EXPECT_GT(cv::norm(a.rowRange(band, a.rows), next.rowRange(band, next.rows), cv::NORM_L1),
              640.0 * 480 * 2);
}

TEST_F(ScriptSource, FollowsTheResolutionAndKeepsFramesUnderTheLimit)
{
    source.prepare(1000000);
    ASSERT_TRUE(state.selectResolution(320, 240));
    const auto frame = source.frame(1, 6000);
    EXPECT_EQ(decoded(frame).size(), cv::Size(320, 240));
    EXPECT_LE(frame.jpeg.size(), 6000u);
    EXPECT_LT(source.quality(), 90);
}

} // namespace

namespace {

int parseOne(const std::string &option, const std::string &value, camsim::StreamOptions &options)
{
    std::string a = "camsim", b = option, c = value;
    char *argv[] = {a.data(), b.data(), c.data()};
    int i = 1;
    return camsim::parseStreamOption(3, argv, i, options);
}

TEST(SceneScriptOption, LoadsTheScriptOrRefusesToStart)
{
    camsim::StreamOptions options;
    EXPECT_EQ(parseOne("--scene-script", "/nonexistent/book.txt", options), -1);
    EXPECT_EQ(options.script, nullptr);
    const std::string path = testing::TempDir() + "scene_script_option.txt";
    std::ofstream(path) << "page 1 2\nturn 2 1\n";
    EXPECT_EQ(parseOne("--scene-script", path, options), 1);
    ASSERT_NE(options.script, nullptr);
    EXPECT_EQ(options.script->steps.size(), 2u);
    std::remove(path.c_str());
}

} // namespace
