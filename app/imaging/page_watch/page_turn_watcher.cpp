// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/page_watch/page_turn_watcher.h"

#include "imaging/page_watch/picture_difference.h"

PageTurnWatcher::PageTurnWatcher(PageWatchSettings settings) : settings_(settings) {}

void PageTurnWatcher::restart()
{
    state_ = State::Settling;
    previous_.release();
    stillPicture_.release();
    settleStart_.release();
    lastPage_.release();
    pagesTaken_ = 0;
    lastMotion_ = 0;
}

void PageTurnWatcher::forgetLastPage()
{
    if (lastPage_.empty())
        return;
    lastPage_.release();
    --pagesTaken_;
}

PageTurnWatcher::Verdict PageTurnWatcher::feed(const cv::Mat &thumbnail, long long nowMs)
{
    if (thumbnail.empty())
        return Verdict::None;
    if (previous_.empty()) {
        previous_ = thumbnail.clone();
        state_ = State::Settling;
        settleStart_ = previous_;
        settleSinceMs_ = nowMs;
        lastMotion_ = 0;
        return Verdict::None;
    }
    lastMotion_ = changedShare(thumbnail, previous_, settings_.pixelDelta);
    const bool moving = lastMotion_ > settings_.motionShare;
    previous_ = thumbnail.clone();

    switch (state_) {
    case State::Watching:
        // Against the still picture rather than the frame before, so that a
        // page slid in slowly is noticed as well as one turned quickly.
        if (moving || changedShare(thumbnail, stillPicture_, settings_.pixelDelta) >
                          settings_.motionShare)
            state_ = State::Changing;
        return Verdict::None;
    case State::Changing:
        if (!moving) {
            state_ = State::Settling;
            settleStart_ = previous_;
            settleSinceMs_ = nowMs;
        }
        return Verdict::None;
    case State::Settling:
        if (moving || changedShare(thumbnail, settleStart_, settings_.pixelDelta) >
                          settings_.motionShare) {
            state_ = State::Changing;
            return Verdict::None;
        }
        if (nowMs - settleSinceMs_ < settings_.settleMs)
            return Verdict::None;
        return settle(previous_);
    }
    return Verdict::None;
}

PageTurnWatcher::Verdict PageTurnWatcher::settle(const cv::Mat &thumbnail)
{
    state_ = State::Watching;
    stillPicture_ = thumbnail;
    if (!lastPage_.empty() &&
        pageDifference(thumbnail, lastPage_, settings_.pixelDelta, settings_.pageShift) <=
            settings_.newPageShare)
        return Verdict::SamePage;
    lastPage_ = thumbnail;
    ++pagesTaken_;
    return Verdict::TakePage;
}
