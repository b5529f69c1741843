// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_TURN_WATCHER_H
#define CORVANE_PAGE_TURN_WATCHER_H

// Decides, frame by frame, when hands-free page capture takes a photo: the
// picture has changed (a page was turned), has then stayed still for a
// moment (the hands are gone), and differs from the page taken last.
//
//   Watching --picture differs from the last still one--> Changing
//   Changing --a frame without movement--> Settling
//   Settling --movement, or drift from the first still frame--> Changing
//   Settling --still for settleMs--> Watching, with a photo when the still
//                                    picture is a new page
//
// A watcher starts in Settling, so the page lying there when the mode is
// switched on is taken as soon as it is still. Hands that pass over the
// page, or a page turned and turned back, leave the same page behind: the
// picture settles, is compared with the page taken last, and no photo is
// taken. A change of the picture's size (a new resolution, a quarter turn)
// counts as a change.
//
// Time comes with every frame, in milliseconds of a monotonic clock, so
// tests move a clock instead of waiting; frames may come at any rate (every
// frame or every other one).
//
// Thread rules: not thread-safe; one owner thread feeds the watcher and
// reads its state.

#include "imaging/page_watch/page_watch_settings.h"

#include <opencv2/core/mat.hpp>

class PageTurnWatcher {
public:
    enum class State { Watching, Changing, Settling };
    enum class Verdict {
        None,     // keep watching
        TakePage, // a new page lies still: take its photo now
        SamePage  // the picture settled on the page taken last: no photo
    };

    explicit PageTurnWatcher(PageWatchSettings settings = PageWatchSettings::forSensitivity(
                                 PageWatchSettings::kDefaultSensitivity));

    // thumbnail: from pageThumbnail(); nowMs: the frame's time.
    Verdict feed(const cv::Mat &thumbnail, long long nowMs);

    // Takes effect from the next frame; the pages taken so far stay.
    void setSettings(const PageWatchSettings &settings) { settings_ = settings; }
    const PageWatchSettings &settings() const { return settings_; }

    // Forgets the pictures and the count: the next still page is taken.
    void restart();
    // The photo of the page taken last could not be kept: the page counts
    // as not taken, so it is taken once the picture has moved and settled
    // again.
    void forgetLastPage();

    State state() const { return state_; }
    int pagesTaken() const { return pagesTaken_; }
    // Share of the picture that changed between the last two frames.
    double lastMotion() const { return lastMotion_; }

private:
    Verdict settle(const cv::Mat &thumbnail);

    PageWatchSettings settings_;
    State state_ = State::Settling;
    cv::Mat previous_;      // the frame before
    cv::Mat stillPicture_;  // the picture the watcher last saw settle
    cv::Mat settleStart_;   // the first still frame of the current settling
    long long settleSinceMs_ = 0;
    cv::Mat lastPage_;      // the page taken last
    int pagesTaken_ = 0;
    double lastMotion_ = 0;
};

#endif
