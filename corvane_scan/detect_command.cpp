// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan detect: the application's document detector on picture
// files, one JSON line per file, and optionally the deskewed cut-outs.

#include "json_line.h"
#include "picture_files.h"
#include "scan_command.h"

#include "imaging/detection/document_deskew.h"
#include "imaging/detection/document_detector.h"
#include "imaging/detection/gray_conversion.h"

#include <opencv2/imgcodecs.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace scan {

namespace {

// Qt's default JPEG quality, which the application's photos are saved with.
constexpr int kPhotoQuality = 75;

struct DetectOptions {
    std::string deskewFolder;
    bool perspective = false;
    int quality = kPhotoQuality;
    std::vector<std::string> files;
};

bool parseDetectOptions(const std::vector<std::string> &arguments, DetectOptions *options,
                        std::string *error)
{
    bool qualityGiven = false;
    bool optionsEnd = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (optionsEnd || a.empty() || a[0] != '-' || a == "-") {
            options->files.push_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else if (a == "--deskew" && hasValue) {
            options->deskewFolder = arguments[++i];
            if (options->deskewFolder.empty()) {
                *error = "--deskew needs a folder name";
                return false;
            }
        } else if (a == "--perspective") {
            options->perspective = true;
        } else if (a == "--quality" && hasValue) {
            char *end = nullptr;
            const long q = std::strtol(arguments[++i].c_str(), &end, 10);
            if (*end != '\0' || q < 1 || q > 100) {
                *error = "--quality takes a number from 1 to 100";
                return false;
            }
            options->quality = static_cast<int>(q);
            qualityGiven = true;
        } else if (a == "--deskew" || a == "--quality") {
            *error = a + " needs a value";
            return false;
        } else {
            *error = "unknown option " + a;
            return false;
        }
    }
    if (options->files.empty()) {
        *error = "no picture files given";
        return false;
    }
    if ((options->perspective || qualityGiven) && options->deskewFolder.empty()) {
        *error = "--perspective and --quality go with --deskew DIR";
        return false;
    }
    return true;
}

std::string cornersJson(const DocumentOutline &outline)
{
    std::string out = "[";
    for (size_t i = 0; i < outline.corners.size(); ++i)
        out += (i ? ", [" : "[") + std::to_string(outline.corners[i].x) + ", "
               + std::to_string(outline.corners[i].y) + "]";
    return out + "]";
}

void reportFailure(const std::string &file, const std::string &reason)
{
    std::fprintf(stderr, "corvane-scan: %s: %s\n", file.c_str(), reason.c_str());
}

// Writes the cut-out of a found sheet; the new file's path, or empty with
// the failure reported.
std::string writeCutOut(const std::string &file, const cv::Mat &picture,
                        const DocumentOutline &outline, const DetectOptions &options)
{
    const cv::Mat cut = options.perspective ? perspectiveCutOut(picture, outline)
                                            : straightenedCutOut(picture, outline);
    std::vector<unsigned char> jpeg;
    if (cut.empty() || !cv::imencode(".jpg", cut, jpeg, {cv::IMWRITE_JPEG_QUALITY, options.quality})) {
        reportFailure(file, "the cut-out could not be made");
        return std::string();
    }
    std::string stem = std::filesystem::path(file).stem().string();
    if (stem.empty() || stem == "." || stem == "..")
        stem = "sheet";
    std::string path, error;
    if (!writeNewFile(options.deskewFolder, stem, ".jpg", jpeg, &path, &error)) {
        reportFailure(file, "cut-out not written: " + error);
        return std::string();
    }
    return path;
}

} // namespace

void helpDetect(std::FILE *to)
{
    std::fprintf(
        to,
        "usage: corvane-scan detect [--deskew DIR [--perspective] [--quality N]] [--] FILE...\n"
        "Finds the sheet of paper in each picture with the application's document\n"
        "detector and prints one JSON object per file, in the order given:\n"
        "  {\"file\": NAME, \"found\": true, \"result\": 0, \"corners\": [[x,y],[x,y],[x,y],[x,y]],\n"
        "   \"angle\": DEGREES}\n"
        "Corners are pixels of the decoded picture, counter-clockwise on screen from\n"
        "the right: an upright sheet gives top-right, top-left, bottom-left,\n"
        "bottom-right. The angle is the tilt of the sheet's edges nearest\n"
        "to horizontal, -45..45, positive for a sheet turned clockwise. Without a sheet\n"
        "\"found\" is false, \"result\" tells why (2 too dark, no bright sheet or corners\n"
        "under 128 pixels apart; 3 no seed) and \"corners\" and \"angle\" are null. A file\n"
        "that cannot be read gets \"error\" and a message on stderr.\n"
        "options:\n"
        "  --deskew DIR     also write each found sheet, straightened, as a JPEG into DIR\n"
        "                   (made if missing), as the application's deskewed photos are:\n"
        "                   the picture turned by minus the angle, cut to the sheet's box.\n"
        "                   Named after the picture; an existing file is never replaced\n"
        "                   (NAME-1.jpg, NAME-2.jpg, ... instead). Its path is in \"deskewed\".\n"
        "  --perspective    with --deskew: cut the sheet's quadrilateral onto a rectangle\n"
        "                   instead (no desk around it)\n"
        "  --quality N      with --deskew: JPEG quality 1..100 (default %d, as the\n"
        "                   application's photos)\n"
        "exit codes: 0 every file read and every cut-out written, 1 some file not read or\n"
        "cut-out not written (the other files are still done), 2 usage\n",
        kPhotoQuality);
}

int runDetect(const std::vector<std::string> &arguments)
{
    DetectOptions options;
    std::string error;
    if (!parseDetectOptions(arguments, &options, &error)) {
        std::fprintf(stderr, "corvane-scan detect: %s\n", error.c_str());
        helpDetect(stderr);
        return kExitUsage;
    }
    if (!options.deskewFolder.empty() && !ensureFolder(options.deskewFolder, &error)) {
        std::fprintf(stderr, "corvane-scan detect: --deskew %s: %s\n",
                     options.deskewFolder.c_str(), error.c_str());
        return kExitUsage;
    }

    const DocumentDetector detector;
    int status = kExitOk;
    for (const std::string &file : options.files) {
        JsonLine line;
        line.text("file", file);
        cv::Mat picture;
        if (!readPicture(file, &picture, &error)) {
            reportFailure(file, error);
            line.boolean("found", false).null("corners").null("angle").text("error", error);
            std::printf("%s\n", line.finish().c_str());
            std::fflush(stdout);
            status = kExitFileFailed;
            continue;
        }
        DocumentOutline outline;
        const int result = detector.detectDocument(grayFromBgr(picture), &outline);
        const bool found = result == kDetectFound;
        line.boolean("found", found).integer("result", result);
        if (found)
            line.json("corners", cornersJson(outline))
                .number("angle", outline.angle * 180.0 / M_PI, 3);
        else
            line.null("corners").null("angle");
        if (found && !options.deskewFolder.empty()) {
            const std::string written = writeCutOut(file, picture, outline, options);
            if (written.empty()) {
                line.null("deskewed");
                status = kExitFileFailed;
            } else {
                line.text("deskewed", written);
            }
        }
        std::printf("%s\n", line.finish().c_str());
        std::fflush(stdout);
    }
    return status;
}

} // namespace scan
