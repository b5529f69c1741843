// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan detect from the outside: JSON lines, exit codes, messages,
// and the deskewed cut-outs it writes.

#include "scan_run.h"
#include "sheet_picture.h"

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class CorvaneScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/corvane_scan_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        SheetPlacement placement;
        placement.degrees = 30;
        sheet_ = renderSheet(placement);
        ASSERT_TRUE(cv::imwrite(path("sheet.jpg"), sheet_.picture));
        ASSERT_TRUE(cv::imwrite(path("desk.png"), cv::Mat(480, 640, CV_8UC3, cv::Scalar(50, 60, 70))));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string &name) const { return dir_ + "/" + name; }
    ScanRun scan(const std::vector<std::string> &arguments) const { return runScan(arguments, dir_); }

    std::string dir_;
    SheetPicture sheet_;
};

TEST_F(CorvaneScan, PrintsOneJsonLinePerFileWithCornersAndAngle)
{
    const ScanRun run = scan({"detect", path("sheet.jpg"), path("desk.png")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2u);

    const std::regex found(
        R"re(\{"file": "([^"]*)", "found": true, "result": 0, "corners": \[\[(-?\d+), (-?\d+)\], \[(-?\d+), (-?\d+)\], \[(-?\d+), (-?\d+)\], \[(-?\d+), (-?\d+)\]\], "angle": (-?\d+\.\d+)\})re");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(out[0], m, found)) << out[0];
    EXPECT_EQ(m[1].str(), path("sheet.jpg"));
    // Top-right, top-left, bottom-left, bottom-right of the sheet turned
    // clockwise by 30 degrees, in the file's pixels.
    const int order[4] = {1, 0, 3, 2};
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f truth = sheet_.corners[order[i]];
        EXPECT_NEAR(std::stoi(m[2 + 2 * i].str()), truth.x, 4) << "corner " << i;
        EXPECT_NEAR(std::stoi(m[3 + 2 * i].str()), truth.y, 4) << "corner " << i;
    }
    EXPECT_NEAR(std::stod(m[10].str()), 30.0, 1.0);

    EXPECT_EQ(out[1], "{\"file\": \"" + path("desk.png")
                          + "\", \"found\": false, \"result\": 2, \"corners\": null, \"angle\": null}");
}

TEST_F(CorvaneScan, UnreadableFilesAreReportedAndTheOthersStillDone)
{
    std::ofstream(path("broken.jpg")) << "not a jpeg";
    const ScanRun run =
        scan({"detect", path("missing.jpg"), path("broken.jpg"), dir_, path("sheet.jpg")});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "{\"file\": \"" + path("missing.jpg")
                          + "\", \"found\": false, \"corners\": null, \"angle\": null, "
                            "\"error\": \"No such file or directory\"}");
    EXPECT_NE(out[1].find("\"error\": \"not a picture that can be decoded\""), std::string::npos);
    EXPECT_NE(out[2].find("\"error\": \"is a folder, not a picture\""), std::string::npos);
    EXPECT_NE(out[3].find("\"found\": true"), std::string::npos);
    // One clear message per unreadable file, naming it.
    const std::vector<std::string> err = lines(run.err);
    ASSERT_EQ(err.size(), 3u);
    EXPECT_EQ(err[0], "corvane-scan: " + path("missing.jpg") + ": No such file or directory");
    EXPECT_EQ(err[1], "corvane-scan: " + path("broken.jpg") + ": not a picture that can be decoded");
    EXPECT_EQ(err[2], "corvane-scan: " + dir_ + ": is a folder, not a picture");
}

TEST_F(CorvaneScan, FileNamesAreEscapedAsJson)
{
    // Quote, backslash, tab, newline, a control byte, valid UTF-8 and a
    // byte that is not UTF-8.
    const std::string name = "a\"b\\c\td\ne\x01" "f\xc3\xa9g\xff.jpg";
    const ScanRun run = scan({"detect", name});
    EXPECT_EQ(run.status, 1);
    const std::string expected =
        "{\"file\": \"a\\\"b\\\\c\\td\\ne\\u0001f\xc3\xa9g\\ufffd.jpg\", \"found\": false, ";
    EXPECT_EQ(lines(run.out).at(0).substr(0, expected.size()), expected);
    EXPECT_EQ(run.out.find('\t'), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST_F(CorvaneScan, DeskewWritesTheStraightenedSheetAndNeverReplacesAFile)
{
    const std::string folder = path("scans/new");
    ScanRun run = scan({"detect", "--deskew", folder, path("sheet.jpg"), path("desk.png")});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NE(out[0].find("\"deskewed\": \"" + folder + "/sheet.jpg\""), std::string::npos) << out[0];
    EXPECT_EQ(out[1].find("deskewed"), std::string::npos); // nothing found, nothing written
    const cv::Mat cut = cv::imread(folder + "/sheet.jpg");
    ASSERT_FALSE(cut.empty());
    // The 400 x 560 sheet, turned back upright.
    EXPECT_NEAR(cut.cols, 400, 6);
    EXPECT_NEAR(cut.rows, 560, 6);
    EXPECT_GT(cv::mean(cut(cv::Rect(40, 40, 300, 480)))[0], 180);

    // Again, with a file of the next name already there: both stay.
    std::ofstream(folder + "/sheet-1.jpg") << "keep me";
    const std::string first = readWhole(folder + "/sheet.jpg");
    run = scan({"detect", "--deskew", folder, "--perspective", path("sheet.jpg")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"deskewed\": \"" + folder + "/sheet-2.jpg\""), std::string::npos) << run.out;
    EXPECT_EQ(readWhole(folder + "/sheet.jpg"), first);
    EXPECT_EQ(readWhole(folder + "/sheet-1.jpg"), "keep me");
    const cv::Mat rectified = cv::imread(folder + "/sheet-2.jpg");
    EXPECT_NEAR(rectified.cols, 400, 6);
    EXPECT_NEAR(rectified.rows, 560, 6);
}

TEST_F(CorvaneScan, DeskewIntoSomethingThatIsNotAFolderIsAUsageError)
{
    std::ofstream(path("plain")) << "x";
    const ScanRun run = scan({"detect", "--deskew", path("plain"), path("sheet.jpg")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("exists and is not a folder"), std::string::npos);
    EXPECT_EQ(run.out, "");
}

TEST_F(CorvaneScan, UsageErrorsExitTwoAndHelpGoesToStdout)
{
    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate", "x.jpg"},
                                               {"detect"},
                                               {"detect", "--bogus", "x.jpg"},
                                               {"detect", "--deskew"},
                                               {"detect", "--perspective", "x.jpg"},
                                               {"detect", "--deskew", "d", "--quality", "0", "x.jpg"}}) {
        const ScanRun run = scan(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "") << ::testing::PrintToString(arguments);
        EXPECT_NE(run.err.find("usage: corvane-scan"), std::string::npos);
    }
    ScanRun help = scan({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("detect"), std::string::npos);
    EXPECT_EQ(help.err, "");
    help = scan({"detect", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--deskew DIR"), std::string::npos);
    // After "--" a name is a file, even one that looks like an option.
    const ScanRun dashed = scan({"detect", "--", "--help"});
    EXPECT_EQ(dashed.status, 1);
    EXPECT_NE(dashed.out.find("\"file\": \"--help\""), std::string::npos);
}

} // namespace
