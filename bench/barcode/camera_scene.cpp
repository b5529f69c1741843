// SPDX-License-Identifier: GPL-3.0-or-later

#include "camera_scene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>

namespace benchcodes {

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kSheetWidth = 1560;
constexpr int kSheetHeight = 960;
constexpr double kPaper = 222;

std::string randomWord(cv::RNG &rng)
{
    static const char *const letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const int length = rng.uniform(2, 10);
    std::string word;
    for (int i = 0; i < length; ++i)
        word += letters[rng.uniform(0, 62)];
    return word;
}

void drawText(cv::Mat &sheet, cv::RNG &rng)
{
    int y = rng.uniform(30, 60);
    while (y < sheet.rows - 20) {
        const double scale = rng.uniform(0.5, 1.1);
        const int thickness = scale > 0.8 ? 2 : 1;
        std::string line;
        while (line.size() < 140)
            line += randomWord(rng) + " ";
        cv::putText(sheet, line, cv::Point(rng.uniform(20, 60), y), cv::FONT_HERSHEY_SIMPLEX, scale,
                    cv::Scalar(60), thickness, cv::LINE_AA);
        y += static_cast<int>(34 * scale) + rng.uniform(6, 22);
        if (rng.uniform(0, 10) == 0) { // a table rule
            cv::line(sheet, cv::Point(40, y), cv::Point(sheet.cols - 40, y), cv::Scalar(70), 2, cv::LINE_AA);
            y += 16;
        }
    }
}

void drawStripes(cv::Mat &sheet, cv::RNG &rng)
{
    const cv::Rect area(rng.uniform(100, 700), rng.uniform(100, 500), rng.uniform(300, 700), 220);
    sheet(area).setTo(kPaper);
    int x = area.x;
    bool bar = true;
    while (x < area.x + area.width) {
        const int w = rng.uniform(2, 12);
        if (bar)
            sheet(cv::Rect(x, area.y, std::min(w, area.x + area.width - x), area.height)).setTo(50);
        x += w;
        bar = !bar;
    }
}

// The patch turned about its centre onto a canvas that holds all of it,
// and the canvas's coverage (255 where the patch is).
void turn(const cv::Mat &patch, double angle, cv::Mat *turned, cv::Mat *coverage)
{
    const cv::Point2f centre(patch.cols / 2.0f, patch.rows / 2.0f);
    cv::Mat rotation = cv::getRotationMatrix2D(centre, angle, 1.0);
    const cv::Rect box = cv::RotatedRect(centre, patch.size(), static_cast<float>(angle)).boundingRect();
    rotation.at<double>(0, 2) += box.width / 2.0 - centre.x;
    rotation.at<double>(1, 2) += box.height / 2.0 - centre.y;
    cv::warpAffine(patch, *turned, rotation, box.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT,
                   cv::Scalar(255));
    const cv::Mat full(patch.size(), CV_8UC1, cv::Scalar(255));
    cv::warpAffine(full, *coverage, rotation, box.size(), cv::INTER_NEAREST, cv::BORDER_CONSTANT,
                   cv::Scalar(0));
}

} // namespace

bool renderScene(std::uint64_t seed, const std::vector<PlacedCode> &codes, const SceneLook &look,
                 cv::Mat *picture)
{
    cv::RNG rng(seed);
    cv::Mat sheet(kSheetHeight, kSheetWidth, CV_8UC1, cv::Scalar(kPaper));
    drawText(sheet, rng);
    if (look.stripes)
        drawStripes(sheet, rng);

    bool allPlaced = true;
    std::vector<cv::Rect> taken;
    for (const PlacedCode &code : codes) {
        cv::Mat turned, coverage;
        turn(code.drawing.patch, code.angleDegrees, &turned, &coverage);
        if (turned.cols >= sheet.cols || turned.rows >= sheet.rows) {
            allPlaced = false;
            continue;
        }
        cv::Rect where;
        bool found = false;
        for (int attempt = 0; attempt < 200 && !found; ++attempt) {
            where = cv::Rect(rng.uniform(0, sheet.cols - turned.cols), rng.uniform(0, sheet.rows - turned.rows),
                             turned.cols, turned.rows);
            found = true;
            for (const cv::Rect &other : taken)
                if ((where & other).area() > 0)
                    found = false;
        }
        if (!found) {
            allPlaced = false;
            continue;
        }
        taken.push_back(where);
        cv::Mat region = sheet(where);
        region.setTo(kPaper, coverage);
        for (int y = 0; y < region.rows; ++y) {
            auto *row = region.ptr<unsigned char>(y);
            const auto *ink = turned.ptr<unsigned char>(y);
            for (int x = 0; x < region.cols; ++x) {
                const double dark = (255 - ink[x]) / 255.0;
                row[x] = cv::saturate_cast<unsigned char>(row[x] * (1 - dark * look.inkStrength));
            }
        }
    }

    // The sheet lies slightly askew on a darker desk.
    cv::Mat scene(kHeight, kWidth, CV_32F);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            scene.at<float>(y, x) = static_cast<float>(70 + 30.0 * x / kWidth);
    const double sheetAngle = rng.uniform(-3.0, 3.0);
    cv::Mat place = cv::getRotationMatrix2D(cv::Point2f(kSheetWidth / 2.0f, kSheetHeight / 2.0f), sheetAngle, 1.0);
    place.at<double>(0, 2) += (kWidth - kSheetWidth) / 2.0;
    place.at<double>(1, 2) += (kHeight - kSheetHeight) / 2.0;
    cv::Mat sheetFloat;
    sheet.convertTo(sheetFloat, CV_32F);
    cv::Mat mask(sheet.size(), CV_32F, cv::Scalar(1));
    cv::Mat placedSheet, placedMask;
    cv::warpAffine(sheetFloat, placedSheet, place, scene.size(), cv::INTER_LINEAR);
    cv::warpAffine(mask, placedMask, place, scene.size(), cv::INTER_LINEAR);
    scene = scene.mul(1 - placedMask) + placedSheet;

    // Light falls off towards one corner.
    const double cx = rng.uniform(0, kWidth), cy = rng.uniform(0, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        auto *row = scene.ptr<float>(y);
        for (int x = 0; x < kWidth; ++x) {
            const double d = std::hypot(x - cx, y - cy) / std::hypot(kWidth, kHeight);
            row[x] = static_cast<float>(row[x] * (1.05 - 0.3 * d));
        }
    }
    if (look.blurSigma > 0)
        cv::GaussianBlur(scene, scene, cv::Size(), look.blurSigma);
    cv::Mat noise(scene.size(), CV_32F);
    rng.fill(noise, cv::RNG::NORMAL, 0, look.noiseSigma);
    scene += noise;
    scene.convertTo(*picture, CV_8U);
    if (look.jpegQuality > 0) {
        std::vector<unsigned char> jpeg;
        cv::imencode(".jpg", *picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, look.jpegQuality});
        *picture = cv::imdecode(jpeg, cv::IMREAD_GRAYSCALE);
    }
    return allPlaced;
}

} // namespace benchcodes
