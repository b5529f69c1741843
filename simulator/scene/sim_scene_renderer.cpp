// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_renderer.h"

#include "scene/sim_scene_qr.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace camsim {

namespace {

const char *const kSheetLines[] = {
    "The harbour committee met on Tuesday to review the",
    "spring timetable. Ferries will run every twenty minutes",
    "between the north pier and the island from April on.",
    "Passengers with bicycles board at the rear ramp.",
    "",
    "1. Ticket prices stay at the level of last year.",
    "2. The night service ends at half past eleven.",
    "3. Repairs to the east landing start in May.",
    "",
    "Questions can be sent to the harbour office or asked",
    "at the kiosk beside the waiting room. Thank you.",
};

} // namespace

SceneRenderer::SceneRenderer(int width, int height)
    : width_(std::max(width, 64)), height_(std::max(height, 64))
{
    bandRows_ = std::max(32, (height_ / 18 + 15) / 16 * 16);
    drawDesk();
    drawSheet();

    bandBase_ = cv::Mat(bandRows_, width_, CV_8UC3, cv::Scalar(40, 32, 28));
    const double scale = bandRows_ / 40.0;
    char label[64];
    std::snprintf(label, sizeof label, "CAMSIM  %dx%d", width_, height_);
    cv::putText(bandBase_, label, cv::Point(bandRows_ / 2, bandRows_ * 3 / 4),
                cv::FONT_HERSHEY_SIMPLEX, scale * 0.8, cv::Scalar(210, 210, 210),
                std::max(1, bandRows_ / 20), cv::LINE_AA);
}

void SceneRenderer::drawDesk()
{
    // Wood: a warm base with grain running along x, made at low resolution
    // and scaled up so that drawing stays cheap and the JPEG stays small.
    const int sw = std::max(16, width_ / 8), sh = std::max(16, height_ / 8);
    cv::Mat grain(sh, sw, CV_32FC1);
    cv::RNG rng(7);
    rng.fill(grain, cv::RNG::NORMAL, 0.0, 1.0);
    cv::GaussianBlur(grain, grain, cv::Size(0, 0), 12.0, 1.0);
    cv::normalize(grain, grain, -1.0, 1.0, cv::NORM_MINMAX);
    cv::Mat small(sh, sw, CV_8UC3);
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            const float g = grain.at<float>(y, x);
            const float ring = 0.5f * std::sin(y * 0.35f + g * 3.0f);
            const float v = 1.0f + 0.12f * g + 0.06f * ring;
            small.at<cv::Vec3b>(y, x) = cv::Vec3b(cv::saturate_cast<uint8_t>(58 * v),
                                                  cv::saturate_cast<uint8_t>(98 * v),
                                                  cv::saturate_cast<uint8_t>(146 * v));
        }
    }
    cv::resize(small, desk_, cv::Size(width_, height_), 0, 0, cv::INTER_LINEAR);
}

void SceneRenderer::drawSheet()
{
    // Portrait sheet with the proportions of A4, filling most of the height.
    const int sheetH = std::max(40, (height_ - bandRows_) * 78 / 100);
    const int sheetW = std::max(28, sheetH * 1000 / 1414);
    sheet_ = cv::Mat(sheetH, sheetW, CV_8UC3, cv::Scalar(246, 248, 250));

    const int margin = sheetW / 12;
    const double textScale = sheetW / 1400.0;
    const int thickness = std::max(1, sheetW / 700);
    const int lineStep = std::max(4, sheetH / 34);
    int y = margin + lineStep;
    cv::putText(sheet_, "Harbour Ferry Notice", cv::Point(margin, y), cv::FONT_HERSHEY_DUPLEX,
                textScale * 1.8, cv::Scalar(30, 30, 30), thickness + 1, cv::LINE_AA);
    y += lineStep * 2;
    for (const char *line : kSheetLines) {
        cv::putText(sheet_, line, cv::Point(margin, y), cv::FONT_HERSHEY_SIMPLEX, textScale,
                    cv::Scalar(45, 45, 45), thickness, cv::LINE_AA);
        y += lineStep;
    }

    const int module = std::max(1, sheetW / 110);
    cv::Mat qr = renderQrCode("CAMSIM-SHEET-0042 https://example.org/ferry", module);
    if (!qr.empty() && qr.cols + margin < sheetW && qr.rows + margin < sheetH - y) {
        cv::Mat qrBgr;
        cv::cvtColor(qr, qrBgr, cv::COLOR_GRAY2BGR);
        const cv::Rect place(sheetW - margin - qr.cols, sheetH - margin - qr.rows, qr.cols,
                             qr.rows);
        qrBgr.copyTo(sheet_(place));
    }
    cv::rectangle(sheet_, cv::Rect(0, 0, sheetW, sheetH), cv::Scalar(200, 205, 210),
                  std::max(1, sheetW / 400));
}

int SceneRenderer::poseForFrame(uint32_t counter)
{
    const uint32_t period = 2 * (kPoseCount - 1);
    const uint32_t step = (counter / 2) % period;
    return static_cast<int>(step < kPoseCount ? step : period - step);
}

cv::Mat SceneRenderer::renderPose(int pose) const
{
    const double t = static_cast<double>(std::clamp(pose, 0, kPoseCount - 1)) / (kPoseCount - 1);
    const double angle = -6.0 + 12.0 * t; // degrees
    const double cx = width_ * (0.47 + 0.06 * t);
    const double cy = bandRows_ + (height_ - bandRows_) * (0.52 - 0.03 * std::sin(t * 3.14159));

    cv::Mat rotation = cv::getRotationMatrix2D(
        cv::Point2f(sheet_.cols / 2.0f, sheet_.rows / 2.0f), angle, 1.0);
    rotation.at<double>(0, 2) += cx - sheet_.cols / 2.0;
    rotation.at<double>(1, 2) += cy - sheet_.rows / 2.0;

    cv::Mat picture = desk_.clone();
    // A soft shadow under the sheet gives detectors a realistic edge.
    cv::Mat shadowShift = rotation.clone();
    shadowShift.at<double>(0, 2) += sheet_.cols / 80.0;
    shadowShift.at<double>(1, 2) += sheet_.cols / 80.0;
    std::vector<cv::Point2f> corners = {{0, 0},
                                        {static_cast<float>(sheet_.cols), 0},
                                        {static_cast<float>(sheet_.cols), static_cast<float>(sheet_.rows)},
                                        {0, static_cast<float>(sheet_.rows)}};
    std::vector<cv::Point2f> shadow;
    cv::transform(corners, shadow, shadowShift);
    std::vector<cv::Point> shadowPoly(shadow.begin(), shadow.end());
    cv::fillConvexPoly(picture, shadowPoly, cv::Scalar(35, 60, 90), cv::LINE_AA);

    // Warp only over the sheet's bounding box: the rest of a 4K picture
    // would cost most of the time and change nothing.
    std::vector<cv::Point2f> placed;
    cv::transform(corners, placed, rotation);
    const cv::Rect box = cv::boundingRect(placed) & cv::Rect(0, 0, width_, height_);
    if (!box.empty()) {
        cv::Mat local = rotation.clone();
        local.at<double>(0, 2) -= box.x;
        local.at<double>(1, 2) -= box.y;
        cv::Mat target = picture(box);
        cv::warpAffine(sheet_, target, local, box.size(), cv::INTER_LINEAR,
                       cv::BORDER_TRANSPARENT);
    }
    bandBase_.copyTo(picture(cv::Rect(0, 0, width_, bandRows_)));
    return picture;
}

cv::Mat SceneRenderer::renderBand(uint32_t counter) const
{
    cv::Mat band = bandBase_.clone();
    char text[32];
    std::snprintf(text, sizeof text, "frame %08u", counter);
    const double scale = bandRows_ / 40.0;
    int baseline = 0;
    const cv::Size size = cv::getTextSize(text, cv::FONT_HERSHEY_SIMPLEX, scale, 2, &baseline);
    cv::putText(band, text, cv::Point(width_ - size.width - bandRows_ / 2, bandRows_ * 3 / 4),
                cv::FONT_HERSHEY_SIMPLEX, scale, cv::Scalar(80, 230, 255),
                std::max(1, bandRows_ / 16), cv::LINE_AA);
    return band;
}

} // namespace camsim
