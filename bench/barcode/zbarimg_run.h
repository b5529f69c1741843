// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BENCH_ZBARIMG_RUN_H
#define CORVANE_BENCH_ZBARIMG_RUN_H

// Runs the zbarimg program ("zbarimg --raw -q FILE") and collects the texts
// it prints, one per line, timing the whole process.

#include <string>
#include <vector>

namespace benchcodes {

struct ZbarimgResult {
    bool ran = false;          // the program started and ended normally
    std::vector<std::string> texts;
    double milliseconds = 0;   // fork to exit
};

ZbarimgResult runZbarimg(const std::string &pngPath);

} // namespace benchcodes

#endif
