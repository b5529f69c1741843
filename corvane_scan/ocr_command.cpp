// SPDX-License-Identifier: GPL-3.0-or-later

// corvane-scan ocr: the application's text recogniser on picture files,
// one JSON line per file with the text read.

#include "json_line.h"
#include "picture_files.h"
#include "scan_command.h"

#include "imaging/ocr/ocr_languages.h"
#include "imaging/ocr/text_recognizer.h"

#include <chrono>
#include <cmath>

namespace scan {

namespace {

struct OcrOptions {
    std::string language;
    std::vector<std::string> files;
};

bool parseOcrOptions(const std::vector<std::string> &arguments, OcrOptions *options,
                     std::string *error)
{
    bool optionsEnd = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (optionsEnd || a.empty() || a[0] != '-' || a == "-") {
            options->files.push_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else if (a == "--language" && i + 1 < arguments.size()) {
            options->language = arguments[++i];
        } else if (a == "--language") {
            *error = "--language needs a value";
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
    return true;
}

std::string joined(const std::vector<std::string> &items)
{
    std::string out;
    for (const std::string &item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out.empty() ? "none" : out;
}

} // namespace

void helpOcr(std::FILE *to)
{
    const std::string folder = ocr::trainedDataFolder();
    std::fprintf(
        to,
        "usage: corvane-scan ocr [--language CODE] [--] FILE...\n"
        "Reads the text in each picture with the application's text recogniser and\n"
        "prints one JSON object per file, in the order given:\n"
        "  {\"file\": NAME, \"text\": TEXT, \"ms\": MILLISECONDS, \"language\": CODE}\n"
        "The sheet of paper is found and straightened first when there is one; small\n"
        "print is enlarged; a page lying sideways or upside down is turned. TEXT has\n"
        "its lines separated by \\n and is \"\" when the picture holds no text. MS is\n"
        "the time the recognition took. A file that cannot be read gets \"text\": null,\n"
        "\"error\" and a message on stderr.\n"
        "options:\n"
        "  --language CODE  Tesseract's trained data to read with: eng, chi_sim, ...;\n"
        "                   several joined by + (chi_sim+eng). Default eng.\n"
        "                   Installed here (%s): %s\n"
        "exit codes: 0 every file read, 1 some file not read (the others are still\n"
        "done), 2 usage or a language that is not installed\n",
        folder.empty() ? "no trained data found" : folder.c_str(),
        joined(ocr::installedLanguages(folder)).c_str());
}

int runOcr(const std::vector<std::string> &arguments)
{
    OcrOptions options;
    std::string error;
    if (!parseOcrOptions(arguments, &options, &error)) {
        std::fprintf(stderr, "corvane-scan ocr: %s\n", error.c_str());
        helpOcr(stderr);
        return kExitUsage;
    }
    const std::vector<std::string> installed = ocr::installedLanguages(ocr::trainedDataFolder());
    if (options.language.empty())
        options.language = ocr::languageForInterface(2, installed);
    if (!ocr::isInstalledLanguage(options.language, installed)) {
        std::fprintf(stderr,
                     "corvane-scan ocr: no trained data for language \"%s\" (installed: %s)\n",
                     options.language.c_str(), joined(installed).c_str());
        return kExitUsage;
    }

    TextRecognizer recognizer;
    TextRecognizer::Options recognition;
    recognition.language = options.language;
    int status = kExitOk;
    for (const std::string &file : options.files) {
        JsonLine line;
        line.text("file", file);
        cv::Mat picture;
        if (!readPicture(file, &picture, &error)) {
            std::fprintf(stderr, "corvane-scan: %s: %s\n", file.c_str(), error.c_str());
            line.null("text").null("ms").text("language", options.language).text("error", error);
            std::printf("%s\n", line.finish().c_str());
            std::fflush(stdout);
            status = kExitFileFailed;
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const RecognizedText read = recognizer.recognize(picture, recognition);
        const double ms = std::chrono::duration<double, std::milli>(
                              std::chrono::steady_clock::now() - start)
                              .count();
        if (read.outcome == RecognizedText::Outcome::BadPicture
            || read.outcome == RecognizedText::Outcome::NoLanguage) {
            const std::string reason = describeOutcome(read.outcome);
            std::fprintf(stderr, "corvane-scan: %s: %s\n", file.c_str(), reason.c_str());
            line.null("text").integer("ms", std::llround(ms)).text("language", options.language)
                .text("error", reason);
            status = kExitFileFailed;
        } else {
            line.text("text", read.text).integer("ms", std::llround(ms))
                .text("language", options.language);
        }
        std::printf("%s\n", line.finish().c_str());
        std::fflush(stdout);
    }
    return status;
}

} // namespace scan
