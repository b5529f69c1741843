// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan ocr from the outside: one JSON line per file with the text
// read, the language, the time, and the exit codes.

#include "scan_run.h"
#include "text_page.h"

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The value of a string field of a JSON line, unescaped (the escapes the
// tool writes: \" \\ \n \t \uXXXX below U+0080).
bool stringField(const std::string &line, const std::string &key, std::string *value)
{
    const std::string start = "\"" + key + "\": \"";
    size_t i = line.find(start);
    if (i == std::string::npos)
        return false;
    value->clear();
    for (i += start.size(); i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            *value += line[i];
            continue;
        }
        const char e = line[++i];
        if (e == 'n')
            *value += '\n';
        else if (e == 't')
            *value += '\t';
        else if (e == 'u') {
            *value += char(std::stoi(line.substr(i + 1, 4), nullptr, 16));
            i += 4;
        } else
            *value += e;
    }
    return i < line.size();
}

class CorvaneScanOcr : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/corvane_scan_ocr_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string page(const std::string &name, const std::vector<std::string> &text,
                     double degrees = 0)
    {
        testpage::PageLayout layout;
        layout.lines = text;
        layout.degrees = degrees;
        layout.textShare = 0.018;
        const testpage::TextPage rendered = testpage::renderPage(layout);
        EXPECT_TRUE(cv::imwrite(path(name), rendered.picture));
        return rendered.text;
    }
    std::string path(const std::string &name) const { return dir_ + "/" + name; }
    ScanRun scan(const std::vector<std::string> &arguments) const { return runScan(arguments, dir_); }

    std::string dir_;
};

TEST_F(CorvaneScanOcr, PrintsTheTextOfEachPictureAsOneJsonLine)
{
    const std::string expected = page("minutes.jpg", testpage::englishLines(), 10);
    ASSERT_TRUE(cv::imwrite(path("desk.png"), cv::Mat(480, 640, CV_8UC3, cv::Scalar(50, 60, 70))));
    const ScanRun run = scan({"ocr", path("minutes.jpg"), path("desk.png")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2u) << run.out;

    const std::regex shape(R"(^\{"file": "[^"]+", "text": ".*", "ms": \d+, "language": "eng"\}$)");
    for (const std::string &line : out)
        EXPECT_TRUE(std::regex_match(line, shape)) << line;
    std::string file, text;
    ASSERT_TRUE(stringField(out[0], "file", &file));
    EXPECT_EQ(file, path("minutes.jpg"));
    ASSERT_TRUE(stringField(out[0], "text", &text));
    EXPECT_LE(testpage::characterErrorRate(expected, text, false), 0.02) << text;
    EXPECT_NE(text.find('\n'), std::string::npos); // lines stay lines
    ASSERT_TRUE(stringField(out[1], "text", &text));
    EXPECT_EQ(text, "");
}

TEST_F(CorvaneScanOcr, ReadsChineseWithTheLanguageAsked)
{
    const std::string expected = page("notice.jpg", testpage::chineseLines());
    const ScanRun run = scan({"ocr", "--language", "chi_sim", path("notice.jpg")});
    if (run.status == 2 && run.err.find("no trained data") != std::string::npos)
        GTEST_SKIP() << "Simplified Chinese trained data not installed";
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NE(out[0].find("\"language\": \"chi_sim\""), std::string::npos) << out[0];
    std::string text;
    ASSERT_TRUE(stringField(out[0], "text", &text));
    EXPECT_LE(testpage::characterErrorRate(expected, text, true), 0.1) << text;
}

TEST_F(CorvaneScanOcr, AFileThatCannotBeReadFailsAloneWithExitOne)
{
    page("minutes.jpg", testpage::englishLines());
    std::ofstream(path("broken.jpg")) << "not a picture";
    const ScanRun run =
        scan({"ocr", path("missing.jpg"), path("broken.jpg"), path("minutes.jpg")});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 3u);
    const std::regex failed(R"(^\{"file": "[^"]+", "text": null, "ms": null, "language": "eng", "error": "[^"]+"\}$)");
    EXPECT_TRUE(std::regex_match(out[0], failed)) << out[0];
    EXPECT_TRUE(std::regex_match(out[1], failed)) << out[1];
    EXPECT_NE(out[2].find("orchard"), std::string::npos) << out[2];
    EXPECT_NE(run.err.find("missing.jpg"), std::string::npos);
    EXPECT_NE(run.err.find("broken.jpg"), std::string::npos);
}

TEST_F(CorvaneScanOcr, UsageFaultsExitTwoBeforeReadingAnything)
{
    page("minutes.jpg", testpage::englishLines());
    for (const std::vector<std::string> &arguments :
         {std::vector<std::string>{"ocr"}, {"ocr", "--language"}, {"ocr", "--bogus", path("minutes.jpg")},
          {"ocr", "--language", "xx_none", path("minutes.jpg")},
          {"ocr", "--language", "../eng", path("minutes.jpg")}}) {
        const ScanRun run = scan(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_EQ(run.out, "") << arguments.back();
        EXPECT_NE(run.err, "") << arguments.back();
    }
    const ScanRun help = scan({"ocr", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--language"), std::string::npos);
    EXPECT_NE(help.out.find("eng"), std::string::npos);
}

} // namespace
