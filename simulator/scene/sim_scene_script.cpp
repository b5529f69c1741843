// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_script.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace camsim {

namespace {

bool fail(std::string *error, size_t line, const std::string &message)
{
    if (error)
        *error = "line " + std::to_string(line) + ": " + message;
    return false;
}

bool readSeconds(const std::string &word, double &seconds)
{
    if (word.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const double v = std::strtod(word.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v) || !(v > 0) || v > kMaxStepSeconds)
        return false;
    seconds = v;
    return true;
}

bool readPage(const std::string &word, int &page)
{
    if (word.empty() || word.size() > 4)
        return false;
    int v = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > kMaxPage)
        return false;
    page = v;
    return true;
}

} // namespace

double SceneScript::totalSeconds() const
{
    double total = 0;
    for (const SceneStep &step : steps)
        total += step.seconds;
    return total;
}

bool parseSceneScript(const std::string &text, SceneScript &script, std::string *error)
{
    if (text.size() > kMaxScriptBytes)
        return fail(error, 0, "the script is larger than 1 MiB");
    SceneScript parsed;
    std::istringstream lines(text);
    std::string line;
    size_t number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty())
            continue;
        SceneStep step;
        if (w[0] == "page" || w[0] == "turn") {
            step.kind = w[0] == "page" ? SceneStep::Kind::Page : SceneStep::Kind::Turn;
            if (w.size() != 3)
                return fail(error, number, w[0] + " takes a page number and seconds");
            if (!readPage(w[1], step.page))
                return fail(error, number, "bad page number '" + w[1] + "' (1..9999)");
            if (!readSeconds(w[2], step.seconds))
                return fail(error, number, "bad duration '" + w[2] + "' (seconds, above 0, at most 3600)");
        } else if (w[0] == "hand" || w[0] == "empty") {
            step.kind = w[0] == "hand" ? SceneStep::Kind::Hand : SceneStep::Kind::Empty;
            if (w.size() != 2)
                return fail(error, number, w[0] + " takes seconds");
            if (!readSeconds(w[1], step.seconds))
                return fail(error, number, "bad duration '" + w[1] + "' (seconds, above 0, at most 3600)");
        } else {
            return fail(error, number, "unknown step '" + w[0] + "' (page, hand, turn, empty)");
        }
        if (parsed.steps.size() >= kMaxSteps)
            return fail(error, number, "more than 10000 steps");
        parsed.steps.push_back(step);
    }
    if (parsed.steps.empty())
        return fail(error, number, "the script has no steps");
    script = std::move(parsed);
    return true;
}

bool loadSceneScript(const std::string &path, SceneScript &script, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(in.gcount()));
        if (text.size() > kMaxScriptBytes) {
            if (error)
                *error = path + ": the script is larger than 1 MiB";
            return false;
        }
    }
    std::string message;
    if (!parseSceneScript(text, script, &message)) {
        if (error)
            *error = path + ": " + message;
        return false;
    }
    return true;
}

SceneMoment sceneMomentAt(const SceneScript &script, double seconds)
{
    SceneMoment moment;
    int page = 0; // lying there before the step
    double start = 0;
    const double t = seconds > 0 ? seconds : 0;
    for (size_t i = 0; i < script.steps.size(); ++i) {
        const SceneStep &step = script.steps[i];
        const bool last = i + 1 == script.steps.size();
        const bool inside = t < start + step.seconds || last;
        moment.step = i;
        moment.kind = step.kind;
        moment.phase = inside ? std::min(1.0, (t - start) / step.seconds) : 1.0;
        moment.leavingPage = 0;
        switch (step.kind) {
        case SceneStep::Kind::Page:
            page = step.page;
            break;
        case SceneStep::Kind::Empty:
            page = 0;
            break;
        case SceneStep::Kind::Hand:
            break;
        case SceneStep::Kind::Turn:
            moment.leavingPage = page;
            page = step.page;
            break;
        }
        moment.page = page;
        // A hand or a turn is still once it is over (the last step held).
        const bool moves = step.kind == SceneStep::Kind::Hand || step.kind == SceneStep::Kind::Turn;
        moment.still = !moves || moment.phase >= 1.0;
        if (inside)
            return moment;
        start += step.seconds;
    }
    return moment;
}

} // namespace camsim
