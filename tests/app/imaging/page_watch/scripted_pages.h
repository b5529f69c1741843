// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_SCRIPTED_PAGES_H
#define CORVANE_TEST_SCRIPTED_PAGES_H

// Plays a simulator scene script into a page watcher the way the live view
// would: every frame drawn by the simulator, through JPEG and back, made a
// thumbnail and fed with the frame's time. Records what was taken.

#include "imaging/page_watch/page_turn_watcher.h"
#include "scene/sim_scene_script.h"

#include <string>
#include <vector>

struct TakenPage {
    int page = 0;       // the page the script showed at the photo
    bool still = false; // whether the script's picture was still then
    double seconds = 0;
};

struct PlayResult {
    std::vector<TakenPage> taken;
    int samePageVerdicts = 0;
};

// fps frames a second from 0 until the script's end plus `tailSeconds`.
PlayResult playScript(const std::string &script, PageTurnWatcher &watcher, int fps = 30,
                      double tailSeconds = 3.0);

#endif
