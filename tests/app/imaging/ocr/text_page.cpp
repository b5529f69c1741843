// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_page.h"

#include <opencv2/freetype.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

#ifndef TEXT_PAGE_FONT
#error "TEXT_PAGE_FONT must name the program's font file"
#endif

namespace testpage {

const std::vector<std::string> &englishLines()
{
    static const std::vector<std::string> lines = {
        "Minutes of the orchard society, third meeting of spring",
        "The members agreed to plant twelve pear trees along the",
        "western wall before the end of April. Volunteers bring",
        "their own spades; the society provides gloves and water.",
        "Budget: 340 pounds for trees, 85 for stakes and wire.",
        "Next meeting on Thursday at seven in the village hall.",
    };
    return lines;
}

const std::vector<std::string> &chineseLines()
{
    static const std::vector<std::string> lines = {
        "果园协会春季第三次会议纪要",
        "会员同意在四月底以前沿西墙种植十二棵梨树",
        "志愿者自带铁锹，协会提供手套和饮用水。",
        "预算：树苗三百四十元，木桩和铁丝八十五元。",
        "下次会议在星期四晚上七点于村礼堂举行。",
    };
    return lines;
}

std::string fontFile()
{
    return TEXT_PAGE_FONT;
}

namespace {

// The sheet at print resolution: white paper, lines of dark print.
cv::Mat renderSheet(const PageLayout &layout, cv::Size sheetSize,
                    std::vector<std::array<cv::Point2f, 4>> &boxes)
{
    cv::Mat sheet(sheetSize, CV_8UC3, cv::Scalar(238, 242, 244));
    static cv::Ptr<cv::freetype::FreeType2> font = [] {
        cv::Ptr<cv::freetype::FreeType2> f = cv::freetype::createFreeType2();
        f->loadFontData(fontFile(), 0);
        return f;
    }();
    const int height = std::max(8, int(std::lround(sheetSize.height * layout.textShare)));
    const int margin = sheetSize.width / 10;
    int y = margin;
    for (const std::string &line : layout.lines) {
        int baseline = 0;
        const cv::Size size = font->getTextSize(line, height, -1, &baseline);
        font->putText(sheet, line, cv::Point(margin, y), height, cv::Scalar(35, 35, 40), -1,
                      cv::LINE_AA, false);
        boxes.push_back({cv::Point2f(float(margin), float(y)),
                         cv::Point2f(float(margin + size.width), float(y)),
                         cv::Point2f(float(margin + size.width), float(y + height)),
                         cv::Point2f(float(margin), float(y + height))});
        y += height * 2;
    }
    return sheet;
}

} // namespace

TextPage renderPage(const PageLayout &layout)
{
    TextPage page;
    for (size_t i = 0; i < layout.lines.size(); ++i)
        page.text += (i ? "\n" : "") + layout.lines[i];

    // Printed at three times the frame's scale, so that the camera's view
    // (the warp down) blurs the print as a lens would.
    const int oversample = 3;
    const double sheetHeight = layout.onDesk ? layout.frame.height * layout.sheetShare
                                             : layout.frame.height;
    const cv::Size sheetSize(int(sheetHeight / 1.414 * oversample), int(sheetHeight * oversample));
    const cv::Size printed = layout.onDesk ? sheetSize
                                           : cv::Size(layout.frame.width * oversample,
                                                      layout.frame.height * oversample);
    std::vector<std::array<cv::Point2f, 4>> boxes;
    const cv::Mat sheet = renderSheet(layout, printed, boxes);

    // Where the sheet's corners land in the frame.
    const float w = float(printed.width) / oversample, h = float(printed.height) / oversample;
    std::array<cv::Point2f, 4> corners;
    if (layout.onDesk) {
        const float narrow = float(layout.slant) * w / 2;
        std::array<cv::Point2f, 4> local = {cv::Point2f(-w / 2 + narrow, -h / 2),
                                            cv::Point2f(w / 2 - narrow, -h / 2),
                                            cv::Point2f(w / 2, h / 2), cv::Point2f(-w / 2, h / 2)};
        const double a = (layout.degrees + 90.0 * layout.quarterTurns) * CV_PI / 180.0;
        const cv::Point2f centre(layout.frame.width / 2.0f, layout.frame.height / 2.0f);
        for (int i = 0; i < 4; ++i)
            corners[i] = cv::Point2f(
                float(centre.x + std::cos(a) * local[i].x - std::sin(a) * local[i].y),
                float(centre.y + std::sin(a) * local[i].x + std::cos(a) * local[i].y));
    } else {
        corners = {cv::Point2f(0, 0), cv::Point2f(w, 0), cv::Point2f(w, h), cv::Point2f(0, h)};
    }
    const cv::Point2f from[4] = {{0, 0},
                                 {float(printed.width), 0},
                                 {float(printed.width), float(printed.height)},
                                 {0, float(printed.height)}};
    const cv::Mat toFrame = cv::getPerspectiveTransform(from, corners.data());

    // A wooden desk with a little noise.
    page.picture = cv::Mat(layout.frame, CV_8UC3, cv::Scalar(60, 105, 150));
    cv::Mat noise(layout.frame, CV_8UC3);
    cv::RNG rng(17);
    rng.fill(noise, cv::RNG::NORMAL, 0, 4);
    cv::Mat blurredSheet;
    cv::GaussianBlur(sheet, blurredSheet, cv::Size(0, 0), oversample * 0.5);
    cv::warpPerspective(blurredSheet, page.picture, toFrame, layout.frame, cv::INTER_AREA,
                        cv::BORDER_TRANSPARENT);
    page.picture += noise;

    if (layout.shadow > 0) {
        // A soft shadow over the right part of the frame (a hand, a lamp).
        cv::Mat light(layout.frame, CV_32FC1);
        for (int x = 0; x < layout.frame.width; ++x) {
            const double t = std::clamp((x - layout.frame.width * 0.45) / (layout.frame.width * 0.1),
                                        0.0, 1.0);
            light.col(x).setTo(1.0 - layout.shadow * t);
        }
        cv::Mat lit;
        page.picture.convertTo(lit, CV_32FC3);
        std::vector<cv::Mat> channels;
        cv::split(lit, channels);
        for (cv::Mat &c : channels)
            c = c.mul(light);
        cv::merge(channels, lit);
        lit.convertTo(page.picture, CV_8UC3);
    }

    std::vector<unsigned char> jpeg;
    cv::imencode(".jpg", page.picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, layout.jpegQuality});
    page.picture = cv::imdecode(jpeg, cv::IMREAD_COLOR);

    for (const auto &box : boxes) {
        std::array<cv::Point2f, 4> mapped;
        std::vector<cv::Point2f> in(box.begin(), box.end()), out;
        cv::perspectiveTransform(in, out, toFrame);
        std::copy(out.begin(), out.end(), mapped.begin());
        page.lineBoxes.push_back(mapped);
    }
    return page;
}

namespace {

std::u32string codePoints(const std::string &utf8, bool dropSpaces)
{
    std::u32string out;
    bool space = false;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (c == U' ' || c == U'\n' || c == U'\t' || c == U'\r') {
            space = true;
            continue;
        }
        if (space && !dropSpaces && !out.empty())
            out += U' ';
        space = false;
        out += c;
    }
    return out;
}

} // namespace

double characterErrorRate(const std::string &reference, const std::string &read, bool dropSpaces)
{
    const std::u32string a = codePoints(reference, dropSpaces);
    const std::u32string b = codePoints(read, dropSpaces);
    if (a.empty())
        return b.empty() ? 0.0 : 1.0;
    std::vector<size_t> row(b.size() + 1), next(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        next[0] = i;
        for (size_t j = 1; j <= b.size(); ++j)
            next[j] = std::min({row[j] + 1, next[j - 1] + 1, row[j - 1] + (a[i - 1] != b[j - 1])});
        std::swap(row, next);
    }
    return double(row[b.size()]) / double(a.size());
}

} // namespace testpage
