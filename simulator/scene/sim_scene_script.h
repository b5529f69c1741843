// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_SCENE_SCRIPT_H
#define CAMSIM_SCENE_SCRIPT_H

// A scripted scene: what the camera looks at over time, for playing a
// stack or a book being scanned page by page. A script is a text file of
// timed steps, one per line:
//
//   # comment (also after a step)
//   page N SECONDS   page N lies still under the camera
//   hand SECONDS     a hand reaches in over the page and leaves again
//   turn N SECONDS   a hand slides the page off; page N lies beneath
//   empty SECONDS    the desk alone
//
// Pages are numbered 1..kMaxPage, durations are seconds (more than 0, at
// most kMaxStepSeconds); at most kMaxSteps steps. Each step starts when the
// previous one ends; after the last step its picture stays (still).
//
// Thread rules: plain values and pure functions; callable from any thread.

#include <cstddef>
#include <string>
#include <vector>

namespace camsim {

struct SceneStep {
    enum class Kind { Page, Hand, Turn, Empty };
    Kind kind = Kind::Page;
    int page = 0;        // Page, Turn: the page lying there afterwards
    double seconds = 0;
};

struct SceneScript {
    std::vector<SceneStep> steps;
    double totalSeconds() const;
};

constexpr int kMaxPage = 9999;
constexpr double kMaxStepSeconds = 3600;
constexpr size_t kMaxSteps = 10000;
constexpr size_t kMaxScriptBytes = 1 << 20;

// False with a message naming the line ("line 3: ...") for anything but a
// script of the form above, an empty one included.
bool parseSceneScript(const std::string &text, SceneScript &script, std::string *error);

// Reads and parses a file; the message names the file's problem.
bool loadSceneScript(const std::string &path, SceneScript &script, std::string *error);

// What the script shows at a moment.
struct SceneMoment {
    size_t step = 0;       // index of the step playing
    double phase = 0;      // 0..1 through that step
    SceneStep::Kind kind = SceneStep::Kind::Empty;
    int page = 0;          // page lying there (0: none); for Turn the new one
    int leavingPage = 0;   // Turn: the page being slid off (0: none)
    bool still = true;     // nothing moves in the picture
};

// seconds: time since the script began; before 0 counts as 0, after the
// end the last step's final picture.
SceneMoment sceneMomentAt(const SceneScript &script, double seconds);

} // namespace camsim

#endif
