// SPDX-License-Identifier: GPL-3.0-or-later

// Reading rendered camera views of pages with known text: the characters
// read, the way up found, the words' places on the picture, and the
// outcomes that are not text.

#include "text_page.h"

#include "imaging/ocr/ocr_languages.h"
#include "imaging/ocr/text_recognizer.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <thread>

namespace {

using testpage::PageLayout;

bool installed(const std::string &language)
{
    return ocr::isInstalledLanguage(language,
                                    ocr::installedLanguages(ocr::trainedDataFolder()));
}

PageLayout layoutOf(const std::vector<std::string> &lines)
{
    PageLayout layout;
    layout.lines = lines;
    layout.textShare = 0.018; // about 12-point print on a sheet filling a 1080-line view
    return layout;
}

struct Scene {
    const char *name;
    double degrees;
    int quarterTurns;
    double slant;
    double shadow;
    bool onDesk;
};

const Scene kScenes[] = {
    {"upright", 0, 0, 0, 0, true},        {"askew by 9 degrees", 9, 0, 0, 0, true},
    {"askew, at a slant", -14, 0, 0.1, 0, true}, {"under a shadow", 0, 0, 0, 0.3, true},
    {"turned clockwise", 0, 1, 0, 0, true}, {"upside down", 0, 2, 0, 0, true},
    {"turned anticlockwise", 0, 3, 0, 0, true}, {"a scan filling the picture", 0, 0, 0, 0, false},
};

PageLayout place(PageLayout layout, const Scene &scene)
{
    layout.degrees = scene.degrees;
    layout.quarterTurns = scene.quarterTurns;
    layout.slant = scene.slant;
    layout.shadow = scene.shadow;
    layout.onDesk = scene.onDesk;
    if (scene.quarterTurns % 2)
        layout.sheetShare = 0.62; // a sideways sheet has the frame's height as its width
    return layout;
}

class Recognition : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!installed("eng"))
            GTEST_SKIP() << "English trained data not installed";
    }
    TextRecognizer recognizer_;
};

// The centre of the word, and whether it lies inside the quadrilateral.
bool inside(const std::array<cv::Point2f, 4> &quad, cv::Point2f point, float tolerance)
{
    const std::vector<cv::Point2f> contour(quad.begin(), quad.end());
    return cv::pointPolygonTest(contour, point, true) >= -tolerance;
}

cv::Point2f centreOf(const RecognizedWord &word)
{
    return (word.corners[0] + word.corners[1] + word.corners[2] + word.corners[3]) * 0.25f;
}

TEST_F(Recognition, EnglishPagesAreReadWhateverWayTheyLie)
{
    for (const Scene &scene : kScenes) {
        SCOPED_TRACE(scene.name);
        const testpage::TextPage page =
            testpage::renderPage(place(layoutOf(testpage::englishLines()), scene));
        TextRecognizer::Options options;
        options.language = "eng";
        const RecognizedText read = recognizer_.recognize(page.picture, options);
        ASSERT_EQ(read.outcome, RecognizedText::Outcome::Read);
        EXPECT_LE(testpage::characterErrorRate(page.text, read.text, false), 0.02) << read.text;
        EXPECT_EQ(read.straightened, scene.onDesk);
        // The turn that stood the print upright undoes the page's turn.
        EXPECT_EQ((read.quarterTurns + scene.quarterTurns) % 4, 0);
        EXPECT_EQ(read.pictureSize, page.picture.size());
    }
}

TEST_F(Recognition, ChinesePagesAreReadWithoutSpacesBetweenCharacters)
{
    if (!installed("chi_sim"))
        GTEST_SKIP() << "Simplified Chinese trained data not installed";
    for (const Scene &scene : {kScenes[0], kScenes[2], kScenes[5]}) {
        SCOPED_TRACE(scene.name);
        const testpage::TextPage page =
            testpage::renderPage(place(layoutOf(testpage::chineseLines()), scene));
        TextRecognizer::Options options;
        options.language = "chi_sim";
        const RecognizedText read = recognizer_.recognize(page.picture, options);
        ASSERT_EQ(read.outcome, RecognizedText::Outcome::Read);
        EXPECT_LE(testpage::characterErrorRate(page.text, read.text, true), 0.1) << read.text;
        // Spaces kept in the text would count as errors here.
        EXPECT_LE(testpage::characterErrorRate(page.text, read.text, false), 0.1) << read.text;
    }
}

TEST_F(Recognition, WordsLieOnTheirPrintInThePicture)
{
    for (const Scene &scene : {kScenes[2], kScenes[4], kScenes[5]}) {
        SCOPED_TRACE(scene.name);
        const testpage::TextPage page =
            testpage::renderPage(place(layoutOf(testpage::englishLines()), scene));
        TextRecognizer::Options options;
        const RecognizedText read = recognizer_.recognize(page.picture, options);
        ASSERT_EQ(read.outcome, RecognizedText::Outcome::Read);
        ASSERT_GE(read.words.size(), 50u);
        int previousLine = 0;
        for (const RecognizedWord &word : read.words) {
            ASSERT_GE(word.line, previousLine) << word.text;
            ASSERT_LT(word.line, int(page.lineBoxes.size())) << word.text;
            previousLine = word.line;
            const auto &line = page.lineBoxes[size_t(word.line)];
            EXPECT_TRUE(inside(line, centreOf(word), 3.0f)) << word.text;
            // Its top edge runs along the line, in reading direction.
            const cv::Point2f along = word.corners[1] - word.corners[0];
            const cv::Point2f lineAlong = line[1] - line[0];
            EXPECT_GT(along.dot(lineAlong), 0.95 * cv::norm(along) * cv::norm(lineAlong))
                << word.text;
        }
    }
}

TEST_F(Recognition, PicturesWithoutPrintHoldNoText)
{
    TextRecognizer::Options options;
    PageLayout blankSheet = layoutOf({});
    EXPECT_EQ(recognizer_.recognize(testpage::renderPage(blankSheet).picture, options).outcome,
              RecognizedText::Outcome::NoText);
    const cv::Mat grey(480, 640, CV_8UC1, cv::Scalar(128));
    const RecognizedText flat = recognizer_.recognize(grey, options);
    EXPECT_EQ(flat.outcome, RecognizedText::Outcome::NoText);
    EXPECT_TRUE(flat.text.empty());
    EXPECT_TRUE(flat.words.empty());
}

TEST_F(Recognition, UnreadableRequestsAreRefusedWithTheirReason)
{
    TextRecognizer::Options options;
    EXPECT_EQ(recognizer_.recognize(cv::Mat(), options).outcome,
              RecognizedText::Outcome::BadPicture);
    EXPECT_EQ(recognizer_.recognize(cv::Mat(64, 64, CV_16UC1, cv::Scalar(0)), options).outcome,
              RecognizedText::Outcome::BadPicture);
    EXPECT_EQ(recognizer_.recognize(cv::Mat(64, 64, CV_8UC2, cv::Scalar(0)), options).outcome,
              RecognizedText::Outcome::BadPicture);
    options.language = "xx_no_such_language";
    EXPECT_EQ(recognizer_.recognize(cv::Mat(64, 64, CV_8UC1, cv::Scalar(0)), options).outcome,
              RecognizedText::Outcome::NoLanguage);
    // The recogniser recovers: the next request with a real language reads.
    options.language = "eng";
    const testpage::TextPage page = testpage::renderPage(layoutOf(testpage::englishLines()));
    EXPECT_EQ(recognizer_.recognize(page.picture, options).outcome, RecognizedText::Outcome::Read);
}

TEST_F(Recognition, ACancelledReadingReportsCancelledAndNoText)
{
    const testpage::TextPage page = testpage::renderPage(layoutOf(testpage::englishLines()));
    std::atomic<bool> cancel{true};
    TextRecognizer::Options options;
    options.cancel = &cancel;
    const RecognizedText read = recognizer_.recognize(page.picture, options);
    EXPECT_EQ(read.outcome, RecognizedText::Outcome::Cancelled);
    EXPECT_TRUE(read.text.empty());
}

TEST_F(Recognition, RecognisersOnTwoThreadsReadAsOneDoes)
{
    const testpage::TextPage english = testpage::renderPage(layoutOf(testpage::englishLines()));
    TextRecognizer::Options options;
    const std::string alone = recognizer_.recognize(english.picture, options).text;
    std::string first, second;
    std::thread a([&] { first = TextRecognizer().recognize(english.picture, options).text; });
    std::thread b([&] { second = TextRecognizer().recognize(english.picture, options).text; });
    a.join();
    b.join();
    EXPECT_EQ(first, alone);
    EXPECT_EQ(second, alone);
}

} // namespace
