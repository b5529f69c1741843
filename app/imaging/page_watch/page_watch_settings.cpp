// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/page_watch/page_watch_settings.h"

#include <algorithm>

PageWatchSettings PageWatchSettings::forSensitivity(int level)
{
    // Thumbnails are 160 pixels wide (page_thumbnail.h): one percent of a
    // 16:9 picture is some 140 pixels. The least sensitive level still sees a
    // hand (a tenth of the picture or more); the most sensitive one sees a
    // sheet of text turned for the next (a few percent of the pixels
    // change, where the lines of text differ).
    struct Row {
        int pixelDelta;
        double motionShare;
        long long settleMs;
        double newPageShare;
    };
    static const Row rows[] = {
        {40, 0.040, 1500, 0.080},
        {32, 0.025, 1200, 0.050},
        {24, 0.015, 900, 0.030},
        {18, 0.008, 700, 0.020},
        {12, 0.004, 500, 0.012},
    };
    const Row &row = rows[std::clamp(level, kLeastSensitive, kMostSensitive) - kLeastSensitive];
    PageWatchSettings settings;
    settings.pixelDelta = row.pixelDelta;
    settings.motionShare = row.motionShare;
    settings.settleMs = row.settleMs;
    settings.newPageShare = row.newPageShare;
    settings.pageShift = 2;
    return settings;
}
