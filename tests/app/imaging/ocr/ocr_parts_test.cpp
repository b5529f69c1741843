// SPDX-License-Identifier: GPL-3.0-or-later

// The recogniser's parts: the languages on offer, the spaces between
// Chinese characters, the reading views' way back to the picture and the
// print-size estimate.

#include "text_page.h"

#include "imaging/ocr/cjk_spacing.h"
#include "imaging/ocr/ocr_languages.h"
#include "imaging/ocr/reading_view.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class LanguageFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("ocr_languages_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    void touch(const std::string &name) { std::ofstream(folder_ / name) << "x"; }
    fs::path folder_;
};

TEST_F(LanguageFolder, OffersTheTrainedLanguagesOnly)
{
    for (const char *name : {"eng.traineddata", "chi_sim.traineddata", "osd.traineddata",
                             "equ.traineddata", "notes.txt", "bad name.traineddata",
                             ".traineddata"})
        touch(name);
    fs::create_directory(folder_ / "deu.traineddata"); // a folder, not data
    EXPECT_EQ(ocr::installedLanguages(folder_.string()),
              (std::vector<std::string>{"chi_sim", "eng"}));
    EXPECT_TRUE(ocr::installedLanguages((folder_ / "missing").string()).empty());
}

TEST(OcrLanguages, InterfaceLanguageChoosesTheDefaultWhenInstalled)
{
    const std::vector<std::string> both = {"chi_sim", "eng"};
    // Chinese pages carry English words: the pair reads both.
    EXPECT_EQ(ocr::languageForInterface(0, both), "chi_sim+eng");
    EXPECT_EQ(ocr::languageForInterface(0, {"chi_sim", "deu"}), "chi_sim");
    EXPECT_EQ(ocr::languageForInterface(2, both), "eng");
    EXPECT_EQ(ocr::languageForInterface(4, both), "eng");     // German not installed
    EXPECT_EQ(ocr::languageForInterface(4, {"deu", "eng"}), "deu");
    EXPECT_EQ(ocr::languageForInterface(-1, both), "eng");
    EXPECT_EQ(ocr::languageForInterface(99, both), "eng");
    EXPECT_EQ(ocr::languageForInterface(1, {"chi_sim"}), "chi_sim"); // no eng: the first
    EXPECT_EQ(ocr::languageForInterface(0, {}), "");
}

TEST(OcrLanguages, ChineseJapaneseAndKoreanAreAlsoOfferedWithEnglish)
{
    EXPECT_EQ(ocr::offeredLanguages({"chi_sim", "deu", "eng", "jpn"}),
              (std::vector<std::string>{"chi_sim", "chi_sim+eng", "deu", "eng", "jpn", "jpn+eng"}));
    EXPECT_EQ(ocr::offeredLanguages({"chi_sim"}), (std::vector<std::string>{"chi_sim"}));
}

TEST(OcrLanguages, CodesNameInstalledDataOnly)
{
    const std::vector<std::string> both = {"chi_sim", "eng"};
    EXPECT_TRUE(ocr::isInstalledLanguage("eng", both));
    EXPECT_TRUE(ocr::isInstalledLanguage("chi_sim+eng", both));
    for (const char *code : {"", "deu", "eng+", "+eng", "../eng", "eng+deu", "e ng", "eng/x"})
        EXPECT_FALSE(ocr::isInstalledLanguage(code, both)) << code;
}

TEST(CjkSpacing, SpacesGoBetweenChineseCharactersOnly)
{
    EXPECT_EQ(ocr::removeSpacesBetweenCjk("文 字  识 别"), "文字识别");
    EXPECT_EQ(ocr::removeSpacesBetweenCjk("预算 ： 三百 元。 下次"), "预算：三百元。下次");
    EXPECT_EQ(ocr::removeSpacesBetweenCjk("Hello world"), "Hello world");
    EXPECT_EQ(ocr::removeSpacesBetweenCjk("版本 5 的 PDF 文件"), "版本 5 的 PDF 文件");
    EXPECT_EQ(ocr::removeSpacesBetweenCjk("第一行\n第二行 结束"), "第一行\n第二行结束");
    // Bytes that are no UTF-8 pass through as they are.
    const std::string broken = std::string("a \xff\xfe ") + "文 \xe6\x96";
    EXPECT_EQ(ocr::removeSpacesBetweenCjk(broken), broken);
}

TEST(ReadingView, TurnedViewsMapTheirPixelsBackOntoThePicture)
{
    cv::Mat gray(90, 160, CV_8UC1);
    cv::randu(gray, 0, 255);
    ocr::ReadingView upright;
    upright.gray = gray;
    for (int turns = 0; turns < 4; ++turns) {
        SCOPED_TRACE(turns);
        const ocr::ReadingView view = ocr::turnedView(upright, turns);
        EXPECT_EQ(view.quarterTurns, turns);
        EXPECT_EQ(view.gray.size(), turns % 2 ? cv::Size(90, 160) : cv::Size(160, 90));
        for (const cv::Point p : {cv::Point(0, 0), cv::Point(7, 3), cv::Point(view.gray.cols - 1, 11),
                                  cv::Point(20, view.gray.rows - 1)}) {
            // The centre of a pixel maps to the centre of the same pixel.
            const cv::Point2f back = ocr::toPicture(view, cv::Point2f(p.x + 0.5f, p.y + 0.5f));
            const cv::Point source(int(std::floor(back.x)), int(std::floor(back.y)));
            ASSERT_TRUE(cv::Rect(0, 0, gray.cols, gray.rows).contains(source));
            EXPECT_EQ(view.gray.at<uchar>(p), gray.at<uchar>(source));
        }
    }
}

TEST(ReadingView, SmallPrintIsEnlargedLargePrintIsNot)
{
    testpage::PageLayout layout;
    layout.lines = testpage::englishLines();
    layout.onDesk = false;
    layout.textShare = 0.012;
    const double small = ocr::printScale(ocr::grayPicture(testpage::renderPage(layout).picture));
    layout.textShare = 0.06;
    const double large = ocr::printScale(ocr::grayPicture(testpage::renderPage(layout).picture));
    EXPECT_GT(small, 2.0);
    EXPECT_LE(small, 3.0);
    EXPECT_EQ(large, 1.0);
    EXPECT_EQ(ocr::printScale(cv::Mat(400, 400, CV_8UC1, cv::Scalar(200))), 1.0);
}

} // namespace
