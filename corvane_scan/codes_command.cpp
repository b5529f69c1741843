// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan codes: the application's bar code reader on picture files,
// one JSON line per file.

#include "json_line.h"
#include "picture_files.h"
#include "scan_command.h"

#include "imaging/barcode/barcode_reader.h"
#include "imaging/detection/gray_conversion.h"

#include <chrono>

namespace scan {

void helpCodes(std::FILE *to)
{
    std::fprintf(
        to,
        "usage: corvane-scan codes [--] FILE...\n"
        "Reads every bar code and QR code in each picture with the application's\n"
        "reader (on the picture's grey values, as the application sees its camera\n"
        "picture) and prints one JSON object per file, in the order given:\n"
        "  {\"file\": NAME, \"texts\": [TEXT, ...], \"ms\": MILLISECONDS}\n"
        "The texts are what the codes encode, in the reader's order; a picture without\n"
        "a readable code gives []. \"ms\" is the time the reading took, without loading\n"
        "the file. A file that cannot be read gets null for both, \"error\", and a\n"
        "message on stderr.\n"
        "exit codes: 0 every file read, 1 some file not read (the others are still\n"
        "done), 2 usage\n");
}

int runCodes(const std::vector<std::string> &arguments)
{
    std::vector<std::string> files;
    bool optionsEnd = false;
    for (const std::string &a : arguments) {
        if (optionsEnd || a.empty() || a[0] != '-' || a == "-") {
            files.push_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else {
            std::fprintf(stderr, "corvane-scan codes: unknown option %s\n", a.c_str());
            helpCodes(stderr);
            return kExitUsage;
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "corvane-scan codes: no picture files given\n");
        helpCodes(stderr);
        return kExitUsage;
    }

    barcode::BarcodeReader reader;
    int status = kExitOk;
    for (const std::string &file : files) {
        JsonLine line;
        line.text("file", file);
        cv::Mat picture;
        std::string error;
        if (!readPicture(file, &picture, &error)) {
            std::fprintf(stderr, "corvane-scan: %s: %s\n", file.c_str(), error.c_str());
            line.null("texts").null("ms").text("error", error);
            std::printf("%s\n", line.finish().c_str());
            std::fflush(stdout);
            status = kExitFileFailed;
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const std::vector<barcode::DecodedCode> codes = reader.read(grayFromBgr(picture));
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::string texts = "[";
        for (const barcode::DecodedCode &code : codes)
            texts += (texts.size() > 1 ? ", " : "") + jsonString(code.text);
        line.json("texts", texts + "]").number("ms", ms, 1);
        std::printf("%s\n", line.finish().c_str());
        std::fflush(stdout);
    }
    return status;
}

} // namespace scan
