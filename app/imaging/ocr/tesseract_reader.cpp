// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/tesseract_reader.h"

#include "imaging/ocr/open_mp_limit.h"

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>

namespace ocr {

namespace {

bool cancelRequested(void *flag, int)
{
    return static_cast<const std::atomic<bool> *>(flag)->load(std::memory_order_relaxed);
}

// Tesseract reads a block whose print lies sideways by itself: print
// turned clockwise (read downwards) comes back as vertical writing,
// other turns as the block's orientation. Its boxes stay upright
// rectangles. Returns the clockwise quarter turns of the print from
// upright.
int printTurns(tesseract::Orientation orientation, tesseract::WritingDirection direction)
{
    int turns = 0;
    switch (orientation) {
    case tesseract::ORIENTATION_PAGE_RIGHT:
        turns = 1;
        break;
    case tesseract::ORIENTATION_PAGE_DOWN:
        turns = 2;
        break;
    case tesseract::ORIENTATION_PAGE_LEFT:
        turns = 3;
        break;
    case tesseract::ORIENTATION_PAGE_UP:
    default:
        break;
    }
    if (direction == tesseract::WRITING_DIRECTION_TOP_TO_BOTTOM)
        turns += 1;
    return turns % 4;
}

// The box's corners in reading direction: the top edge of the print from
// where reading starts, then the bottom edge back.
std::array<cv::Point2f, 4> cornersInReadingOrder(int left, int top, int right, int bottom,
                                                 int turns)
{
    const cv::Point2f topLeft{float(left), float(top)}, topRight{float(right), float(top)},
        bottomRight{float(right), float(bottom)}, bottomLeft{float(left), float(bottom)};
    switch (turns) {
    case 1: // read downwards, the print's top at the right
        return {topRight, bottomRight, bottomLeft, topLeft};
    case 2:
        return {bottomRight, bottomLeft, topLeft, topRight};
    case 3: // read upwards, the print's top at the left
        return {bottomLeft, topLeft, topRight, bottomRight};
    default:
        return {topLeft, topRight, bottomRight, bottomLeft};
    }
}

bool isBlank(const std::string &text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string takeText(char *text)
{
    std::unique_ptr<char[]> owned(text);
    return text ? std::string(text) : std::string();
}

} // namespace

TesseractReader::TesseractReader() = default;

TesseractReader::~TesseractReader()
{
    if (api_)
        api_->End();
}

bool TesseractReader::load(const std::string &folder, const std::string &language)
{
    if (api_ && language == language_ && folder == folder_)
        return true;
    limitOpenMpToOneThread();
    // Leptonica reports oddities of a page ("box outside rectangle") on
    // stderr; Tesseract copes with them and the person cannot act on them.
    static std::once_flag quiet;
    std::call_once(quiet, [] { setMsgSeverity(L_SEVERITY_NONE); });
    if (api_)
        api_->End();
    api_ = std::make_unique<tesseract::TessBaseAPI>();
    language_.clear();
    folder_.clear();
    // Tesseract writes its notes ("Estimating resolution as ...") to stderr
    // unless told where else.
    api_->SetVariable("debug_file", "/dev/null");
    if (api_->Init(folder.c_str(), language.c_str(), tesseract::OEM_LSTM_ONLY) != 0) {
        api_.reset();
        return false;
    }
    // Sauvola: a threshold for each neighbourhood instead of one for the
    // page (Otsu), which blacks out print under a shadow.
    api_->SetVariable("thresholding_method", "2");
    api_->SetVariable("debug_file", "/dev/null");
    api_->SetPageSegMode(tesseract::PSM_AUTO);
    language_ = language;
    folder_ = folder;
    return true;
}

TesseractReader::Page TesseractReader::read(const cv::Mat &gray, int pixelsPerInch,
                                            const std::atomic<bool> *cancel)
{
    Page page;
    if (!api_ || gray.empty() || gray.type() != CV_8UC1)
        return page;
    api_->SetImage(gray.data, gray.cols, gray.rows, 1, int(gray.step));
    api_->SetSourceResolution(pixelsPerInch);

    tesseract::ETEXT_DESC monitor;
    if (cancel) {
        monitor.cancel = &cancelRequested;
        monitor.cancel_this = const_cast<std::atomic<bool> *>(cancel);
    }
    const int status = api_->Recognize(&monitor);
    if (cancel && cancel->load()) {
        page.cancelled = true;
        api_->Clear();
        return page;
    }
    if (status != 0) {
        api_->Clear();
        return page;
    }

    page.text = takeText(api_->GetUTF8Text());
    std::unique_ptr<tesseract::ResultIterator> it(api_->GetIterator());
    int line = -1;
    bool lineStarts = true;
    int turnVotes[4] = {0, 0, 0, 0};
    if (it) {
        do {
            lineStarts = lineStarts || it->IsAtBeginningOf(tesseract::RIL_TEXTLINE);
            if (it->Empty(tesseract::RIL_WORD))
                continue;
            int left = 0, top = 0, right = 0, bottom = 0;
            if (!it->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom))
                continue;
            RecognizedWord word;
            word.text = takeText(it->GetUTF8Text(tesseract::RIL_WORD));
            if (isBlank(word.text))
                continue;
            if (lineStarts)
                ++line;
            lineStarts = false;
            word.confidence = it->Confidence(tesseract::RIL_WORD);
            word.line = line;
            tesseract::Orientation orientation = tesseract::ORIENTATION_PAGE_UP;
            tesseract::WritingDirection direction;
            tesseract::TextlineOrder order;
            float deskew = 0;
            it->Orientation(&orientation, &direction, &order, &deskew);
            const int turns = printTurns(orientation, direction);
            word.corners = cornersInReadingOrder(left, top, right, bottom, turns);
            turnVotes[turns] += int(word.text.size());
            page.words.push_back(std::move(word));
        } while (it->Next(tesseract::RIL_WORD));
    }
    const int printTurned = int(std::max_element(turnVotes, turnVotes + 4) - turnVotes);
    page.quarterTurns = (4 - printTurned) % 4;
    api_->Clear();
    return page;
}

} // namespace ocr
