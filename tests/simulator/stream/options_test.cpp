// SPDX-License-Identifier: GPL-3.0-or-later

// camsim's stream options: values land in the settings, bad values fail.

#include "stream/sim_stream_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Parses like camsim's main loop; returns the first non-zero result or 0.
int parseAll(std::vector<std::string> words, camsim::StreamOptions &options, int *unknown = nullptr)
{
    words.insert(words.begin(), "camsim");
    std::vector<char *> argv;
    for (auto &w : words)
        argv.push_back(w.data());
    for (int i = 1; i < static_cast<int>(argv.size()); ++i) {
        const int r = camsim::parseStreamOption(static_cast<int>(argv.size()), argv.data(), i, options);
        if (r < 0)
            return r;
        if (r == 0 && unknown)
            ++*unknown;
    }
    return 0;
}

TEST(StreamOptions, ValuesReachTheSettings)
{
    camsim::StreamOptions o;
    int unknown = 0;
    ASSERT_EQ(parseAll({"--transport", "udp3-plain", "--fps", "15", "--packet-size", "2900",
                        "--resolution", "1280x720", "--loss", "0.1", "--dup", "0.2", "--reorder",
                        "0.3", "--garbage", "0.4", "--oversize-every", "10", "--pause-after", "2",
                        "--resume-after", "1.5", "--tilt", "2147573648", "--bind", "127.0.0.1"},
                       o, &unknown),
              0);
    EXPECT_EQ(unknown, 2) << "--bind and its value are not stream options";
    EXPECT_EQ(o.settings.transport, camsim::StreamTransport::Udp3Plain);
    EXPECT_EQ(o.settings.fps, 15);
    EXPECT_EQ(o.settings.packetSize, 2900);
    EXPECT_EQ(o.width, 1280);
    EXPECT_EQ(o.height, 720);
    EXPECT_DOUBLE_EQ(o.settings.faults.loss, 0.1);
    EXPECT_DOUBLE_EQ(o.settings.faults.duplicate, 0.2);
    EXPECT_DOUBLE_EQ(o.settings.faults.reorder, 0.3);
    EXPECT_DOUBLE_EQ(o.settings.faults.garbage, 0.4);
    EXPECT_EQ(o.settings.faults.oversizeEvery, 10u);
    EXPECT_EQ(o.settings.faults.oversizeBytes, 1536001u) << "past the library's hand-out limit";
    EXPECT_DOUBLE_EQ(o.pauseAfterSeconds, 2.0);
    EXPECT_DOUBLE_EQ(o.resumeAfterSeconds, 1.5);
    EXPECT_EQ(o.settings.tilt, 2147573648u);
}

TEST(StreamOptions, BadOrMissingValuesAreRefused)
{
    for (const auto &words : std::vector<std::vector<std::string>>{
             {"--transport", "udp4"}, {"--fps", "0"}, {"--fps", "abc"}, {"--loss", "1.5"},
             {"--packet-size", "-3"}, {"--resolution", "big"}, {"--fps"}, {"--tcp-pad", "15"}}) {
        camsim::StreamOptions o;
        EXPECT_LT(parseAll(words, o), 0) << words[0];
    }
    camsim::StreamOptions o;
    ASSERT_EQ(parseAll({"--no-stream"}, o), 0);
    EXPECT_FALSE(o.enabled);
}

} // namespace
