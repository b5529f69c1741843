// SPDX-License-Identifier: GPL-3.0-or-later

// The page watcher: one photo per page of a scripted stack, none for hands
// passing over, none twice for the same page; what the sensitivity changes.

#include "imaging/page_watch/page_thumbnail.h"
#include "imaging/page_watch/page_turn_watcher.h"
#include "imaging/page_watch/picture_difference.h"
#include "scripted_pages.h"

#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>

namespace {

using Verdict = PageTurnWatcher::Verdict;

std::vector<int> pagesOf(const PlayResult &result)
{
    std::vector<int> pages;
    for (const TakenPage &t : result.taken) {
        EXPECT_TRUE(t.still) << "photo of page " << t.page << " at " << t.seconds
                             << " s while the picture moved";
        pages.push_back(t.page);
    }
    return pages;
}

// --- On the simulator's scripted scenes -------------------------------------

TEST(PageWatchOnScript, OnePhotoPerPageOfAStackNoneForPassingHands)
{
    PageTurnWatcher watcher;
    const PlayResult result = playScript("page 1 3\n"
                                         "turn 2 1.2\npage 2 2.5\n"
                                         "hand 1.2\npage 2 2\n"      // a hand over page 2
                                         "turn 3 1.5\npage 3 2\n"
                                         "hand 0.8\nhand 0.8\n"     // two hands in a row
                                         "page 3 1.5\n"
                                         "turn 4 1\npage 4 2.5\n",
                                         watcher);
    EXPECT_EQ(pagesOf(result), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(watcher.pagesTaken(), 4);
    EXPECT_GE(result.samePageVerdicts, 2) << "the picture settled after each hand";
}

TEST(PageWatchOnScript, APageTurnedBackAndForthIsNotTakenTwice)
{
    PageTurnWatcher watcher;
    const PlayResult result = playScript("page 1 3\n"
                                         "turn 2 1\nturn 1 1\n"       // turned and turned back
                                         "page 1 3\n"
                                         "turn 2 1.2\npage 2 3\n",
                                         watcher);
    EXPECT_EQ(pagesOf(result), (std::vector<int>{1, 2}));
}

TEST(PageWatchOnScript, TakesEachPageOnceTheHandsAreGoneNotBefore)
{
    PageTurnWatcher watcher;
    const PlayResult result = playScript("page 1 2\nturn 2 1.5\npage 2 3\n", watcher);
    ASSERT_EQ(pagesOf(result), (std::vector<int>{1, 2}));
    // Page 2 lies still from 3.5 s; the default waits 0.9 s of stillness.
    const double settle = watcher.settings().settleMs / 1000.0;
    EXPECT_GE(result.taken[1].seconds, 3.5 + settle - 0.1);
    EXPECT_LE(result.taken[1].seconds, 3.5 + settle + 0.2);
}

TEST(PageWatchOnScript, WorksOnEveryOtherFrame)
{
    PageTurnWatcher watcher;
    const PlayResult result = playScript("page 1 2\nturn 2 1.2\npage 2 2\nhand 1\npage 2 1\n"
                                         "turn 3 1.2\npage 3 2\n",
                                         watcher, 15);
    EXPECT_EQ(pagesOf(result), (std::vector<int>{1, 2, 3}));
}

TEST(PageWatchOnScript, ShortPausesOfTheHandsDoNotCount)
{
    // Stillness shorter than the wait between the steps of a turn: the
    // hand resting on the new page for 0.3 s is not a page lying still.
    PageTurnWatcher watcher(PageWatchSettings::forSensitivity(1));
    const PlayResult result = playScript("page 1 2.5\nturn 2 1\nhand 0.6\nhand 0.6\npage 2 3\n",
                                         watcher);
    EXPECT_EQ(pagesOf(result), (std::vector<int>{1, 2}));
}

// --- Sensitivity and stillness, on drawn thumbnails -------------------------

cv::Mat paper(int seed)
{
    cv::Mat t(54, 96, CV_8UC1, cv::Scalar(90)); // a desk
    cv::rectangle(t, cv::Rect(28, 6, 40, 44), cv::Scalar(230), cv::FILLED);
    cv::RNG rng(static_cast<uint64_t>(seed));
    for (int line = 0; line < 6; ++line) // lines of text
        cv::line(t, cv::Point(32, 14 + line * 5), cv::Point(34 + rng.uniform(10, 30), 14 + line * 5),
                 cv::Scalar(120), 1);
    // A figure somewhere on the page.
    cv::rectangle(t, cv::Rect(32 + rng.uniform(0, 16), 16 + rng.uniform(0, 20), 14, 10),
                  cv::Scalar(60), cv::FILLED);
    return t;
}

// Feeds a picture for `ms` at 30 frames/s from `clock`; the verdicts seen.
std::vector<Verdict> hold(PageTurnWatcher &w, const cv::Mat &picture, long long &clock, long long ms)
{
    std::vector<Verdict> seen;
    for (const long long end = clock + ms; clock < end; clock += 33) {
        const Verdict v = w.feed(picture, clock);
        if (v != Verdict::None)
            seen.push_back(v);
    }
    return seen;
}

TEST(PageWatchSensitivity, DecidesWhatCountsAsANewPage)
{
    // A page differing from the last one in about 2.5 % of the picture by
    // 30 grey levels: the most sensitive watcher takes it, the least
    // sensitive one sees neither movement nor a new page.
    const cv::Mat page = paper(1);
    cv::Mat touched = page.clone();
    touched(cv::Rect(40, 20, 13, 10)) -= cv::Scalar(30);
    EXPECT_NEAR(changedShare(page, touched, 12), 130.0 / (96 * 54), 1e-9);

    for (int level : {1, 5}) {
        PageTurnWatcher w(PageWatchSettings::forSensitivity(level));
        long long clock = 0;
        EXPECT_EQ(hold(w, page, clock, 2000), std::vector<Verdict>{Verdict::TakePage});
        hold(w, cv::Mat(page.size(), CV_8UC1, cv::Scalar(160)), clock, 100); // a hand over all
        const auto verdicts = hold(w, touched, clock, 2000);
        EXPECT_EQ(verdicts, std::vector<Verdict>{level == 5 ? Verdict::TakePage : Verdict::SamePage})
            << "level " << level;
    }
}

TEST(PageWatchSensitivity, SetsHowLongThePictureMustBeStill)
{
    for (int level = PageWatchSettings::kLeastSensitive; level <= PageWatchSettings::kMostSensitive;
         ++level) {
        PageTurnWatcher w(PageWatchSettings::forSensitivity(level));
        const long long settle = w.settings().settleMs;
        long long clock = 0;
        EXPECT_TRUE(hold(w, paper(1), clock, settle - 40).empty()) << "level " << level;
        EXPECT_EQ(hold(w, paper(1), clock, 80), std::vector<Verdict>{Verdict::TakePage});
    }
    EXPECT_GT(PageWatchSettings::forSensitivity(1).settleMs,
              PageWatchSettings::forSensitivity(5).settleMs);
    // Out-of-range levels are the nearest level.
    EXPECT_EQ(PageWatchSettings::forSensitivity(-3).settleMs, PageWatchSettings::forSensitivity(1).settleMs);
    EXPECT_EQ(PageWatchSettings::forSensitivity(9).pixelDelta, PageWatchSettings::forSensitivity(5).pixelDelta);
}

TEST(PageWatchSensitivity, AChangeTakesEffectWithoutLosingTheCount)
{
    PageTurnWatcher w(PageWatchSettings::forSensitivity(1));
    long long clock = 0;
    hold(w, paper(1), clock, 2000);
    w.setSettings(PageWatchSettings::forSensitivity(5));
    hold(w, paper(50), clock, 100);
    EXPECT_EQ(hold(w, paper(2), clock, 600), std::vector<Verdict>{Verdict::TakePage});
    EXPECT_EQ(w.pagesTaken(), 2);
    w.restart();
    EXPECT_EQ(w.pagesTaken(), 0);
    EXPECT_EQ(hold(w, paper(2), clock, 600), std::vector<Verdict>{Verdict::TakePage})
        << "after a restart the page lying there is taken again";
}

TEST(PageWatchStillness, SlowDriftIsMovementAndLightIsNotANewPage)
{
    PageTurnWatcher w;
    long long clock = 0;
    EXPECT_EQ(hold(w, paper(1), clock, 1500), std::vector<Verdict>{Verdict::TakePage});
    // The sheet creeps one thumbnail pixel every 130 ms: no frame moves
    // much, but the picture never settles, so nothing is taken meanwhile.
    cv::Mat shifted;
    std::vector<Verdict> seen;
    for (int step = 1; step <= 12; ++step) {
        cv::warpAffine(paper(3), shifted, cv::Matx23d(1, 0, step, 0, 1, 0), paper(3).size(),
                       cv::INTER_NEAREST, cv::BORDER_REPLICATE);
        for (const Verdict v : hold(w, shifted, clock, 130))
            seen.push_back(v);
    }
    EXPECT_TRUE(seen.empty());
    EXPECT_NE(w.state(), PageTurnWatcher::State::Watching);
    EXPECT_EQ(hold(w, shifted, clock, 1500), std::vector<Verdict>{Verdict::TakePage});

    // A lamp switched on: the same page, brighter.
    hold(w, shifted + cv::Scalar(25), clock, 1500);
    EXPECT_EQ(w.pagesTaken(), 2);
}

TEST(PageWatchStillness, AChangedPictureSizeIsANewPicture)
{
    PageTurnWatcher w;
    long long clock = 0;
    hold(w, paper(1), clock, 1500);
    cv::Mat turned;
    cv::rotate(paper(1), turned, cv::ROTATE_90_CLOCKWISE);
    EXPECT_EQ(hold(w, turned, clock, 1500), std::vector<Verdict>{Verdict::TakePage});
    EXPECT_EQ(w.feed(cv::Mat(), clock), Verdict::None) << "an empty thumbnail is ignored";
}

// --- Pieces ------------------------------------------------------------------

TEST(PageThumbnail, SmallGreyAndTheProportionsOfThePicture)
{
    const cv::Mat full(1080, 1920, CV_8UC3, cv::Scalar(10, 200, 60));
    const cv::Mat t = pageThumbnail(full);
    ASSERT_EQ(t.size(), cv::Size(160, 90));
    ASSERT_EQ(t.type(), CV_8UC1);
    const cv::Mat bgra(2880, 3840, CV_8UC4, cv::Scalar(10, 200, 60, 255));
    EXPECT_EQ(pageThumbnail(bgra).size(), cv::Size(160, 120));
    EXPECT_EQ(cv::norm(pageThumbnail(bgra)(cv::Rect(0, 0, 160, 90)), t, cv::NORM_INF), 0);
    // Red and blue swap places with the byte order.
    EXPECT_NE(pageThumbnail(full, PixelOrder::Rgb).at<uchar>(0, 0), t.at<uchar>(0, 0));
    EXPECT_EQ(pageThumbnail(cv::Mat(40, 60, CV_8UC1, cv::Scalar(77))).at<uchar>(10, 10), 77);
    EXPECT_TRUE(pageThumbnail(cv::Mat()).empty());
    EXPECT_TRUE(pageThumbnail(cv::Mat(10, 10, CV_16UC1)).empty());
    EXPECT_TRUE(pageThumbnail(cv::Mat(10, 10, CV_8UC2)).empty());
}

TEST(PictureDifference, SharesAndTolerances)
{
    const cv::Mat a = paper(1);
    EXPECT_EQ(changedShare(a, a, 10), 0.0);
    EXPECT_EQ(changedShare(a, cv::Mat(), 10), 1.0);
    EXPECT_EQ(changedShare(a, a.t(), 10), 1.0);
    // Darker by 40 everywhere: every pixel between frames, none as a page.
    EXPECT_EQ(changedShare(a, a - cv::Scalar(40), 20), 1.0);
    EXPECT_LT(pageDifference(a, a - cv::Scalar(40), 20, 2), 0.01);
    // Moved by two pixels: the same page within the allowed shift only.
    cv::Mat moved;
    cv::warpAffine(a, moved, cv::Matx23d(1, 0, 2, 0, 1, -2), a.size(), cv::INTER_NEAREST,
                   cv::BORDER_REPLICATE);
    EXPECT_EQ(pageDifference(a, moved, 20, 2), 0.0);
    EXPECT_GT(pageDifference(a, moved, 20, 1), 0.01);
    EXPECT_GT(pageDifference(a, paper(2), 20, 2), 0.01);
}

} // namespace
