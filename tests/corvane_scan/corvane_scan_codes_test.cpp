// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan codes from the outside: JSON lines, exit codes, messages.

#include "scan_run.h"

#include "code_drawing.h"
#include "linear_codes.h"

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include <filesystem>
#include <regex>
#include <sstream>

namespace {

class CorvaneScanCodes : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/corvane_scan_codes_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        cv::Mat paper(400, 900, CV_8UC1, cv::Scalar(235));
        const benchcodes::CodeDrawing qr = benchcodes::drawQr("Καλημέρα \"κόσμε\"", -1, "", 5);
        const benchcodes::CodeDrawing ean = benchcodes::drawLinear(benchcodes::ean13("590123412345"), 3, 45);
        qr.patch.copyTo(paper(cv::Rect(40, 40, qr.patch.cols, qr.patch.rows)));
        ean.patch.copyTo(paper(cv::Rect(400, 40, ean.patch.cols, ean.patch.rows)));
        ASSERT_TRUE(cv::imwrite(path("codes.png"), paper));
        ASSERT_TRUE(cv::imwrite(path("blank.jpg"), cv::Mat(300, 300, CV_8UC3, cv::Scalar::all(200))));
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string &name) const { return dir_ + "/" + name; }
    ScanRun scan(const std::vector<std::string> &arguments) const { return runScan(arguments, dir_); }

    std::string dir_;
};

TEST_F(CorvaneScanCodes, PrintsTheTextsOfEachFileAndTheReadingTime)
{
    const ScanRun run = scan({"codes", path("codes.png"), path("blank.jpg")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2u);
    const std::regex line(R"re(\{"file": "([^"]*)", "texts": \[(.*)\], "ms": \d+\.\d\})re");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(out[0], m, line)) << out[0];
    EXPECT_EQ(m[1].str(), path("codes.png"));
    const std::string qr = R"("Καλημέρα \"κόσμε\"")", ean = R"("5901234123457")";
    EXPECT_TRUE(m[2].str() == qr + ", " + ean || m[2].str() == ean + ", " + qr) << m[2].str();
    ASSERT_TRUE(std::regex_match(out[1], m, line)) << out[1];
    EXPECT_EQ(m[2].str(), "");
}

TEST_F(CorvaneScanCodes, UnreadableFilesAreReportedAndTheOthersStillDone)
{
    const ScanRun run = scan({"codes", path("missing.png"), dir_, path("blank.jpg")});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "{\"file\": \"" + path("missing.png") +
                          "\", \"texts\": null, \"ms\": null, \"error\": \"No such file or directory\"}");
    EXPECT_NE(out[1].find("\"error\": \"is a folder, not a picture\""), std::string::npos);
    EXPECT_NE(out[2].find("\"texts\": []"), std::string::npos);
    EXPECT_EQ(lines(run.err), (std::vector<std::string>{
                                  "corvane-scan: " + path("missing.png") + ": No such file or directory",
                                  "corvane-scan: " + dir_ + ": is a folder, not a picture"}));
}

TEST_F(CorvaneScanCodes, UsageErrorsExitTwo)
{
    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{"codes"}, {"codes", "--bogus", "x.png"}}) {
        const ScanRun run = scan(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: corvane-scan codes"), std::string::npos);
    }
}

} // namespace
