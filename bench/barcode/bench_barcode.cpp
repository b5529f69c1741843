// SPDX-License-Identifier: GPL-3.0-or-later

// Bar code reading on rendered camera pictures: the application's reader
// against the zbarimg program on the same pictures in the same run.
//
//   bench_barcode [--every N] [--verbose] [--keep DIR] [--plan SECOND_SCALE,THREADS]
//                 [--whole-picture]
//
// --whole-picture: the reader's second scan on the whole enlarged picture
// instead of its code-like regions.
//
// For each reader: pictures whose codes were all read, codes read, false
// reads (a text that is not on the picture), and the time per 1920x1080
// picture. The reader's time is its read() on the grey picture; zbarimg's
// is its whole process (start, PNG decoding, scan), and its start cost on a
// 1x1 picture and on an empty 1920x1080 picture is printed beside it.

#include "benchmark_pictures.h"

#include "imaging/barcode/barcode_reader.h"

#include "zbarimg_run.h"

#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace benchcodes;

namespace {

struct Tally {
    int pictures = 0, fullyRead = 0, codes = 0, codesRead = 0, falseReads = 0;
    std::vector<double> ms;
};

struct Verdict {
    int read = 0;
    int falseReads = 0;
};

bool matches(const CodeDrawing &code, const std::string &text)
{
    return text == code.text ||
           std::find(code.alsoRight.begin(), code.alsoRight.end(), text) != code.alsoRight.end();
}

Verdict judge(const std::vector<CodeDrawing> &expected, const std::vector<std::string> &texts)
{
    Verdict v;
    for (const CodeDrawing &code : expected)
        for (const std::string &t : texts)
            if (matches(code, t)) {
                ++v.read;
                break;
            }
    for (const std::string &t : texts) {
        bool known = false;
        for (const CodeDrawing &code : expected)
            known = known || matches(code, t);
        if (!known)
            ++v.falseReads;
    }
    return v;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double mean(const std::vector<double> &v)
{
    double sum = 0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

std::string shown(const std::vector<std::string> &texts)
{
    std::string s;
    for (const std::string &t : texts)
        s += (s.empty() ? "" : " | ") + t;
    return s;
}

// Every sample drawn clean must read back as its text: the encoders are
// the benchmark's own and are checked before anything is measured.
bool checkEncoders(barcode::BarcodeReader &reader)
{
    bool ok = true;
    for (const CodeSample &sample : codeSamples()) {
        const CodeDrawing drawing = sample.draw(sample.matrix ? 5.0 : 4.0);
        if (drawing.patch.empty()) {
            std::printf("encoder check: %s: nothing drawn\n", sample.name.c_str());
            ok = false;
            continue;
        }
        cv::Mat page(drawing.patch.rows + 80, drawing.patch.cols + 80, CV_8UC1, cv::Scalar(255));
        drawing.patch.copyTo(page(cv::Rect(40, 40, drawing.patch.cols, drawing.patch.rows)));
        const std::vector<barcode::DecodedCode> codes = reader.read(page);
        const bool right = codes.size() == 1 && matches(drawing, codes[0].text);
        if (!right) {
            std::printf("encoder check: %s: expected \"%s\", read", sample.name.c_str(), drawing.text.c_str());
            for (const auto &c : codes)
                std::printf(" [%s \"%s\"]", c.symbology.c_str(), c.text.c_str());
            std::printf("\n");
            ok = false;
        }
    }
    return ok;
}

double medianZbarimg(const std::string &path, int runs)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(runZbarimg(path).milliseconds);
    return median(ms);
}

void printTally(const char *name, const Tally &t)
{
    std::vector<double> sorted = t.ms;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%-10s %4d/%-5d %5d/%-5d %6d   %8.1f %8.1f %8.1f\n", name, t.fullyRead, t.pictures, t.codesRead,
                t.codes, t.falseReads, mean(t.ms), median(t.ms), sorted.empty() ? 0.0 : sorted.back());
}

} // namespace

int main(int argc, char **argv)
{
    int every = 1;
    bool verbose = false;
    std::string keep;
    barcode::ScanPlan plan;
    int threads = 2;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--every") && i + 1 < argc)
            every = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--plan") && i + 1 < argc &&
                 std::sscanf(argv[++i], "%lf,%d", &plan.secondScale, &threads) == 2)
            plan.twoThreads = threads == 2;
        else if (!std::strcmp(argv[i], "--whole-picture"))
            plan.wholePicture = true;
        else if (!std::strcmp(argv[i], "--verbose"))
            verbose = true;
        else if (!std::strcmp(argv[i], "--keep") && i + 1 < argc)
            keep = argv[++i];
        else {
            std::fprintf(stderr, "usage: bench_barcode [--every N] [--verbose] [--keep DIR] [--plan SECOND_SCALE,THREADS] [--whole-picture]\n");
            return 2;
        }
    }

    barcode::BarcodeReader reader(plan);
    if (!checkEncoders(reader)) {
        std::printf("the benchmark's own encoders are wrong; nothing measured\n");
        return 1;
    }

    std::string folder = keep;
    if (!folder.empty() && mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        std::perror("bench_barcode: --keep folder");
        return 1;
    }
    if (folder.empty()) {
        char pattern[] = "/tmp/bench_barcode_XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("bench_barcode: temp folder");
            return 1;
        }
        folder = pattern;
    }
    const auto renderStart = std::chrono::steady_clock::now();
    const std::vector<BenchPicture> pictures = benchmarkPictures(every);
    std::printf("%zu pictures of 1920x1080 rendered in %.1f s\n", pictures.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - renderStart).count());

    std::vector<std::string> paths;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/%03zu.png", i);
        paths.push_back(folder + name);
        cv::imwrite(paths.back(), pictures[i].grey);
    }
    const std::string tiny = folder + "/start-1x1.png";
    const std::string empty = folder + "/start-empty.png";
    cv::imwrite(tiny, cv::Mat(1, 1, CV_8UC1, cv::Scalar(255)));
    cv::imwrite(empty, cv::Mat(1080, 1920, CV_8UC1, cv::Scalar(200)));
    if (!runZbarimg(tiny).ran) {
        std::printf("zbarimg did not run (package zbar-tools)\n");
        return 1;
    }
    const double startTiny = medianZbarimg(tiny, 5);
    const double startEmpty = medianZbarimg(empty, 5);

    // The application's reader, the same reader without its second scan,
    // and zbarimg, each on every picture in turn.
    barcode::ScanPlan oneScale;
    oneScale.secondScale = 0;
    barcode::BarcodeReader oneScaleReader(oneScale);
    struct Contender {
        const char *name;
        std::function<std::vector<std::string>(std::size_t, double *)> read;
        Tally all;
        std::map<std::string, Tally> byCondition;
    };
    auto readWith = [&pictures](barcode::BarcodeReader &r) {
        return [&pictures, &r](std::size_t i, double *ms) {
            const auto start = std::chrono::steady_clock::now();
            const std::vector<barcode::DecodedCode> codes = r.read(pictures[i].grey);
            *ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::vector<std::string> texts;
            for (const auto &c : codes)
                texts.push_back(c.text);
            return texts;
        };
    };
    std::vector<Contender> contenders;
    contenders.push_back({"reader", readWith(reader), {}, {}});
    contenders.push_back({"one scale", readWith(oneScaleReader), {}, {}});
    contenders.push_back({"zbarimg", [&paths](std::size_t i, double *ms) {
                              const ZbarimgResult z = runZbarimg(paths[i]);
                              *ms = z.milliseconds;
                              return z.texts;
                          }, {}, {}});
    int onlyReader = 0, onlyZbarimg = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const BenchPicture &p = pictures[i];
        const std::string condition = p.label.substr(0, p.label.find('/'));
        std::string line;
        bool notable = false;
        std::vector<std::vector<std::string>> texts;
        for (Contender &c : contenders) {
            double ms = 0;
            texts.push_back(c.read(i, &ms));
            const Verdict v = judge(p.expected, texts.back());
            for (Tally *tally : {&c.all, &c.byCondition[condition]}) {
                ++tally->pictures;
                tally->codes += static_cast<int>(p.expected.size());
                tally->codesRead += v.read;
                tally->falseReads += v.falseReads;
                tally->fullyRead += v.read == static_cast<int>(p.expected.size());
                tally->ms.push_back(ms);
            }
            char part[96];
            std::snprintf(part, sizeof part, "  %s %d/%zu%s %.0f ms [", c.name, v.read, p.expected.size(),
                          v.falseReads ? " FALSE" : "", ms);
            line += part + shown(texts.back()) + "]";
            notable = notable || v.falseReads;
        }
        // Codes one of the application's reader and zbarimg read and the
        // other did not.
        for (const CodeDrawing &code : p.expected) {
            auto has = [&code](const std::vector<std::string> &t) {
                return std::any_of(t.begin(), t.end(), [&code](const std::string &x) { return matches(code, x); });
            };
            const bool a = has(texts.front()), b = has(texts.back());
            onlyReader += a && !b;
            onlyZbarimg += b && !a;
            notable = notable || a != b;
        }
        if (verbose || notable)
            std::printf("%-30s%s\n", p.label.c_str(), line.c_str());
    }

    std::printf("\npictures fully read by condition (false reads):\n  %-22s", "");
    for (const Contender &c : contenders)
        std::printf(" %-16s", c.name);
    std::printf("\n");
    for (const auto &entry : contenders.front().byCondition) {
        std::printf("  %-22s", entry.first.c_str());
        for (Contender &c : contenders) {
            const Tally &t = c.byCondition[entry.first];
            char cell[32];
            std::snprintf(cell, sizeof cell, "%d/%d (%d)", t.fullyRead, t.pictures, t.falseReads);
            std::printf(" %-16s", cell);
        }
        std::printf("\n");
    }
    std::printf("\n%-10s %-10s %-11s %6s   %8s %8s %8s\n", "", "pictures", "codes", "false", "mean ms", "median",
                "max");
    std::printf("%-10s %-10s %-11s %6s\n", "", "fully read", "read", "reads");
    for (const Contender &c : contenders)
        printTally(c.name, c.all);
    std::printf("codes only the reader read: %d; codes only zbarimg read: %d\n", onlyReader, onlyZbarimg);
    std::printf("zbarimg process start: %.1f ms on a 1x1 picture, %.1f ms on an empty 1920x1080 picture\n",
                startTiny, startEmpty);
    const Tally &ours = contenders[0].all, &single = contenders[1].all, &theirs = contenders[2].all;
    std::printf("time ratio zbarimg/reader: mean %.2fx, median %.2fx; zbarimg/one scale: mean %.2fx, median %.2fx\n",
                mean(theirs.ms) / mean(ours.ms), median(theirs.ms) / median(ours.ms),
                mean(theirs.ms) / mean(single.ms), median(theirs.ms) / median(single.ms));

    if (keep.empty()) {
        for (const std::string &path : paths)
            std::remove(path.c_str());
        std::remove(tiny.c_str());
        std::remove(empty.c_str());
        rmdir(folder.c_str());
    } else {
        std::printf("pictures kept in %s\n", folder.c_str());
    }
    return 0;
}
