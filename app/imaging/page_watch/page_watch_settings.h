// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_WATCH_SETTINGS_H
#define CORVANE_PAGE_WATCH_SETTINGS_H

// What the page watcher counts as movement, as stillness and as a new page,
// chosen by one sensitivity level from kLeastSensitive to kMostSensitive.
// A more sensitive watcher notices smaller movements and smaller
// differences between pages and waits less before taking the photo; a less
// sensitive one ignores a finger at the edge of the picture or a flickering
// lamp, and waits longer for the hands to be gone.
//
// Thread rules: none (plain values).

struct PageWatchSettings {
    static constexpr int kLeastSensitive = 1;
    static constexpr int kMostSensitive = 5;
    static constexpr int kDefaultSensitivity = 3;

    int pixelDelta = 0;       // grey levels a thumbnail pixel must change by to count
    double motionShare = 0;   // share of changed pixels between frames that is movement
    long long settleMs = 0;   // how long the picture must stay still before a photo
    double newPageShare = 0;  // share of changed pixels that makes a still picture a new page
    int pageShift = 0;        // thumbnail pixels a page may have moved and still be the same

    // Levels outside the range are taken as the nearest level.
    static PageWatchSettings forSensitivity(int level);
};

#endif
