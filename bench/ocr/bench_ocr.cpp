// SPDX-License-Identifier: GPL-3.0-or-later

// Text recognition on rendered camera views of printed pages (1920x1080):
// for each case the time of one page with the straightening step and
// without it, and the character error rate of both readings, in English
// and Simplified Chinese. Median of --runs readings per case.

#include "text_page.h"

#include "imaging/ocr/ocr_languages.h"
#include "imaging/ocr/text_recognizer.h"

#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Case {
    const char *name;
    testpage::PageLayout layout;
};

std::vector<Case> cases(const std::vector<std::string> &lines, double textShare)
{
    testpage::PageLayout base;
    base.lines = lines;
    base.textShare = textShare;
    std::vector<Case> out;
    auto add = [&](const char *name, auto change) {
        testpage::PageLayout layout = base;
        change(layout);
        out.push_back({name, layout});
    };
    add("upright on desk", [](testpage::PageLayout &) {});
    add("askew 8 deg", [](testpage::PageLayout &l) { l.degrees = 8; });
    add("askew -15 deg, slant", [](testpage::PageLayout &l) { l.degrees = -15; l.slant = 0.1; });
    add("shadow 30%", [](testpage::PageLayout &l) { l.shadow = 0.3; });
    add("turned 90 deg", [](testpage::PageLayout &l) { l.quarterTurns = 1; l.sheetShare = 0.62; });
    add("upside down", [](testpage::PageLayout &l) { l.quarterTurns = 2; });
    add("scan (fills frame)", [](testpage::PageLayout &l) { l.onDesk = false; });
    return out;
}

struct Measure {
    double ms = 0;
    double cer = 0;
};

Measure run(TextRecognizer &recognizer, const testpage::TextPage &page,
            const TextRecognizer::Options &options, int runs, bool chinese)
{
    std::vector<double> times;
    RecognizedText result;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        result = recognizer.recognize(page.picture, options);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now()
                                                                  - start).count());
    }
    std::sort(times.begin(), times.end());
    if (std::getenv("BENCH_OCR_VERBOSE"))
        std::printf("  scale %.2f turns %d straightened %d conf %.0f\n", result.scale, result.quarterTurns, result.straightened, result.meanConfidence);
    return {times[times.size() / 2], testpage::characterErrorRate(page.text, result.text, chinese)};
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 1;
    double scale = 0;
    double textShare = 0.022;
    std::string dump, only;
    for (int i = 1; i < argc; ++i) {
        const bool value = i + 1 < argc;
        if (!std::strcmp(argv[i], "--runs") && value)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--scale") && value)
            scale = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--text") && value)
            textShare = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--dump") && value)
            dump = argv[++i];
        else if (!std::strcmp(argv[i], "--only") && value)
            only = argv[++i];
        else {
            std::fprintf(stderr, "usage: bench_ocr [--runs N] [--scale S] [--text SHARE] [--dump DIR] "
                                 "[--only LANGUAGE]\n");
            return 2;
        }
    }
    const std::vector<std::string> installed = ocr::installedLanguages(ocr::trainedDataFolder());
    std::printf("trained data: %s\n", ocr::trainedDataFolder().c_str());
    std::printf("%-8s %-22s %10s %8s %10s %8s %7s\n", "language", "case", "ms", "CER", "ms(flat)",
                "CER(flat)", "ratio");
    // Each language on the pages of its script; the Chinese and English
    // pair (the Chinese interface's choice) on both.
    const struct {
        const char *language;
        bool chinese;
    } runsOf[] = {{"eng", false}, {"chi_sim", true}, {"chi_sim+eng", true}, {"chi_sim+eng", false}};
    for (const auto &set : runsOf) {
        const char *language = set.language;
        if (!only.empty() && only != language)
            continue;
        if (!ocr::isInstalledLanguage(language, installed)) {
            std::printf("%-8s not installed\n", language);
            continue;
        }
        const bool chinese = set.chinese;
        TextRecognizer recognizer;
        double cerSum = 0, flatCerSum = 0;
        int count = 0;
        for (const Case &c : cases(chinese ? testpage::chineseLines() : testpage::englishLines(),
                                   textShare)) {
            const testpage::TextPage page = testpage::renderPage(c.layout);
            if (!dump.empty())
                cv::imwrite(dump + "/" + (chinese ? "chinese_" : "english_")
                                + std::to_string(count) + ".jpg",
                            page.picture);
            TextRecognizer::Options options;
            options.language = language;
            options.scale = scale;
            const Measure straight = run(recognizer, page, options, runs, chinese);
            options.straighten = false;
            const Measure flat = run(recognizer, page, options, runs, chinese);
            std::printf("%-8s %-22s %10.0f %8.3f %10.0f %8.3f %7.2f\n", language, c.name,
                        straight.ms, straight.cer, flat.ms, flat.cer, straight.ms / flat.ms);
            std::fflush(stdout);
            cerSum += straight.cer;
            flatCerSum += flat.cer;
            ++count;
        }
        std::printf("%-8s %-22s %10s %8.3f %10s %8.3f  (%s pages)\n", language, "mean", "",
                    cerSum / count, "", flatCerSum / count, chinese ? "Chinese" : "English");
    }
    return 0;
}
