// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/text_recognizer.h"

#include "imaging/ocr/cjk_spacing.h"
#include "imaging/ocr/ocr_languages.h"
#include "imaging/ocr/reading_quality.h"
#include "imaging/ocr/reading_view.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A sheet smaller than this share of the picture is more likely a bright
// patch of the page itself (a photo, a table) than the page.
constexpr double kMinSheetShare = 0.12;

// A4 is 8.27 inches wide; a straightened sheet or a picture filled by one
// is about that wide, which tells Tesseract its resolution.
constexpr double kSheetWidthInches = 8.27;

struct Reading {
    ocr::ReadingView view;
    ocr::TesseractReader::Page page;
    ocr::ReadingQuality quality;
};

bool better(const Reading &a, const Reading &b)
{
    return a.quality.score > b.quality.score;
}

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\r'))
        text.pop_back();
    size_t start = 0;
    while (start < text.size() && (text[start] == '\n' || text[start] == ' '))
        ++start;
    return text.substr(start);
}

} // namespace

TextRecognizer::TextRecognizer(std::string trainedDataFolder)
    : folder_(trainedDataFolder.empty() ? ocr::trainedDataFolder() : std::move(trainedDataFolder))
{
}

RecognizedText TextRecognizer::recognize(const cv::Mat &picture, const Options &options)
{
    RecognizedText result;
    result.language = options.language;
    result.pictureSize = picture.size();
    const cv::Mat gray = ocr::grayPicture(picture);
    if (gray.empty() || gray.dims != 2) {
        result.outcome = RecognizedText::Outcome::BadPicture;
        return result;
    }
    if (!reader_.load(folder_, options.language)) {
        result.outcome = RecognizedText::Outcome::NoLanguage;
        return result;
    }
    const double scale = options.scale;
    const auto cancelled = [&options] { return options.cancel && options.cancel->load(); };

    std::vector<ocr::ReadingView> upright;
    upright.push_back(ocr::uprightView(gray, options.straighten ? kMinSheetShare : 2.0, scale));
    const auto readView = [&](const ocr::ReadingView &view) {
        Reading reading;
        reading.view = view;
        const int ppi = std::clamp(int(std::lround(view.gray.cols / kSheetWidthInches)), 70, 1200);
        reading.page = reader_.read(view.gray, ppi, options.cancel);
        reading.quality = ocr::judgeReading(reading.page.words);
        return reading;
    };

    Reading best = readView(upright.front());
    if (options.tryTurns) {
        for (int turns : {2, 1, 3}) {
            if (ocr::readsWell(best.quality) || cancelled())
                break;
            Reading turned = readView(ocr::turnedView(upright.front(), turns));
            if (better(turned, best))
                best = std::move(turned);
        }
    }
    // A sheet found where there is none (a bright patch of a page that
    // fills the picture) gives a poor cut-out: the picture as it is then.
    if (!ocr::readsWell(best.quality) && upright.front().straightened && !cancelled()) {
        Reading whole = readView(ocr::uprightView(gray, 2.0, scale));
        if (better(whole, best))
            best = std::move(whole);
    }
    if (cancelled() || best.page.cancelled) {
        result.outcome = RecognizedText::Outcome::Cancelled;
        return result;
    }

    result.straightened = best.view.straightened;
    result.quarterTurns = (best.view.quarterTurns + best.page.quarterTurns) % 4;
    result.scale = best.view.scale;
    result.meanConfidence = best.quality.meanConfidence;
    if (!ocr::readsAnything(best.quality)) {
        result.outcome = RecognizedText::Outcome::NoText;
        return result;
    }
    result.outcome = RecognizedText::Outcome::Read;
    result.text = trimmed(ocr::removeSpacesBetweenCjk(best.page.text));
    result.words = std::move(best.page.words);
    for (RecognizedWord &word : result.words)
        for (cv::Point2f &corner : word.corners)
            corner = ocr::toPicture(best.view, corner);
    return result;
}
