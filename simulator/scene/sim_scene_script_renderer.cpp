// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/sim_scene_script_renderer.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace camsim {

namespace {

const char *const kWords[] = {
    "river", "stone", "harbour", "lantern", "window", "garden", "letter", "morning",
    "market", "bridge", "winter", "signal", "orchard", "copper", "meadow", "candle",
    "pocket", "ladder", "thunder", "velvet", "silver", "forest", "rabbit", "anchor",
    "the", "of", "and", "to", "in", "was", "for", "on", "with", "at", "by", "from"};

const cv::Scalar kSkin(118, 158, 212);
const cv::Scalar kSleeve(90, 60, 40);

double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

SceneScriptRenderer::SceneScriptRenderer(int width, int height) : base_(width, height)
{
    const int sheetH = std::max(40, (base_.height() - base_.bandRows()) * 74 / 100);
    pageSize_ = cv::Size(std::max(28, sheetH * 1000 / 1414), sheetH);
}

cv::Point2d SceneScriptRenderer::pageCentre(int page) const
{
    const double w = width(), h = height() - bandRows();
    return cv::Point2d(w * (0.5 + 0.012 * ((page * 37) % 5 - 2)),
                       bandRows() + h * (0.52 + 0.008 * ((page * 17) % 5 - 2)));
}

double SceneScriptRenderer::pageAngle(int page) const
{
    return 3.0 + 0.5 * ((page * 13) % 7 - 3);
}

const cv::Mat &SceneScriptRenderer::pagePicture(int page)
{
    auto found = pages_.find(page);
    if (found != pages_.end())
        return found->second;
    const int w = pageSize_.width, h = pageSize_.height;
    cv::Mat sheet(h, w, CV_8UC3, cv::Scalar(244, 247, 250));
    cv::RNG rng(static_cast<uint64_t>(page) * 7919u + 17u);
    const int margin = w / 12;
    const double scale = w / 1400.0;
    const int thickness = std::max(1, w / 700);
    const int lineStep = std::max(4, h / 34);

    int y = margin + lineStep * 2;
    cv::putText(sheet, "Page " + std::to_string(page), cv::Point(margin, y),
                cv::FONT_HERSHEY_DUPLEX, scale * 2.6, cv::Scalar(25, 25, 25), thickness + 2,
                cv::LINE_AA);
    y += lineStep * 2;

    // A figure whose place and shape differ from page to page, so that two
    // pages never look alike even from afar.
    const int figureW = w * rng.uniform(30, 70) / 100;
    const int figureH = h * rng.uniform(10, 22) / 100;
    const int figureX = margin + rng.uniform(0, std::max(1, w - 2 * margin - figureW));
    const int figureY = y + rng.uniform(0, std::max(1, h - y - figureH - margin * 3));
    const cv::Rect figure(figureX, figureY, figureW, figureH);

    const int textRight = w - margin;
    while (y < h - margin * 2) {
        if (y + lineStep > figure.y && y - lineStep < figure.y + figure.height) {
            y += lineStep;
            continue;
        }
        if (rng.uniform(0, 7) == 0) { // paragraph break
            y += lineStep;
            continue;
        }
        std::string line;
        const int lineEnd = textRight - (rng.uniform(0, 4) == 0 ? rng.uniform(0, w / 2) : 0);
        for (;;) {
            const std::string next =
                (line.empty() ? "" : line + " ") + kWords[rng.uniform(0, int(std::size(kWords)))];
            int baseline = 0;
            const cv::Size size =
                cv::getTextSize(next, cv::FONT_HERSHEY_SIMPLEX, scale, thickness, &baseline);
            if (margin + size.width > lineEnd)
                break;
            line = next;
        }
        cv::putText(sheet, line, cv::Point(margin, y), cv::FONT_HERSHEY_SIMPLEX, scale,
                    cv::Scalar(45, 45, 45), thickness, cv::LINE_AA);
        y += lineStep;
    }
    cv::rectangle(sheet, figure, cv::Scalar(70 + page % 5 * 20, 90, 120 - page % 3 * 25),
                  cv::FILLED);
    cv::putText(sheet, "- " + std::to_string(page) + " -", cv::Point(w / 2 - lineStep, h - margin),
                cv::FONT_HERSHEY_SIMPLEX, scale, cv::Scalar(45, 45, 45), thickness, cv::LINE_AA);
    cv::rectangle(sheet, cv::Rect(0, 0, w, h), cv::Scalar(200, 205, 210), std::max(1, w / 400));
    return pages_.emplace(page, sheet).first->second;
}

void SceneScriptRenderer::placeSheet(cv::Mat &picture, const cv::Mat &sheet, cv::Point2d centre,
                                     double angle) const
{
    cv::Mat rotation = cv::getRotationMatrix2D(
        cv::Point2f(sheet.cols / 2.0f, sheet.rows / 2.0f), angle, 1.0);
    rotation.at<double>(0, 2) += centre.x - sheet.cols / 2.0;
    rotation.at<double>(1, 2) += centre.y - sheet.rows / 2.0;
    const std::vector<cv::Point2f> corners = {
        {0, 0}, {float(sheet.cols), 0}, {float(sheet.cols), float(sheet.rows)}, {0, float(sheet.rows)}};

    cv::Mat shadowShift = rotation.clone();
    shadowShift.at<double>(0, 2) += sheet.cols / 80.0;
    shadowShift.at<double>(1, 2) += sheet.cols / 80.0;
    std::vector<cv::Point2f> shadow;
    cv::transform(corners, shadow, shadowShift);
    const std::vector<cv::Point> shadowPoly(shadow.begin(), shadow.end());
    cv::fillConvexPoly(picture, shadowPoly, cv::Scalar(35, 60, 90), cv::LINE_AA);

    // Warp over the sheet's box only (see SceneRenderer::renderPose).
    std::vector<cv::Point2f> placed;
    cv::transform(corners, placed, rotation);
    const cv::Rect box = cv::boundingRect(placed) & cv::Rect(0, 0, picture.cols, picture.rows);
    if (box.empty())
        return;
    cv::Mat local = rotation.clone();
    local.at<double>(0, 2) -= box.x;
    local.at<double>(1, 2) -= box.y;
    cv::Mat target = picture(box);
    cv::warpAffine(sheet, target, local, box.size(), cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
}

void SceneScriptRenderer::drawHand(cv::Mat &picture, cv::Point2d tips) const
{
    // A right hand reaching in from the right edge, fingers pointing left.
    const double r = height() * 0.07;
    const cv::Point2d palm = tips + cv::Point2d(r * 1.9, 0);
    // Forearm in a sleeve, out past the right edge.
    const cv::Point2d elbow(width() + r * 4, palm.y + r * 1.5);
    const std::vector<cv::Point> arm = {
        cv::Point(palm + cv::Point2d(r * 0.6, -r * 0.8)), cv::Point(elbow + cv::Point2d(0, -r * 1.2)),
        cv::Point(elbow + cv::Point2d(0, r * 1.2)), cv::Point(palm + cv::Point2d(r * 0.6, r * 0.8))};
    cv::fillConvexPoly(picture, arm, kSkin, cv::LINE_AA);
    const cv::Point2d cuff = palm + cv::Point2d(r * 2.6, r * 0.35);
    const std::vector<cv::Point> sleeve = {
        cv::Point(cuff + cv::Point2d(0, -r * 1.0)), cv::Point(elbow + cv::Point2d(0, -r * 1.3)),
        cv::Point(elbow + cv::Point2d(0, r * 1.3)), cv::Point(cuff + cv::Point2d(0, r * 1.0))};
    cv::fillConvexPoly(picture, sleeve, kSleeve, cv::LINE_AA);
    cv::ellipse(picture, cv::Point(palm), cv::Size(int(r), int(r * 0.9)), 0, 0, 360, kSkin,
                cv::FILLED, cv::LINE_AA);
    for (int finger = 0; finger < 4; ++finger) {
        const double dy = (finger - 1.5) * r * 0.42;
        const double length = r * (finger == 1 || finger == 2 ? 1.05 : 0.85);
        cv::ellipse(picture, cv::Point(palm + cv::Point2d(-r * 0.55 - length / 2, dy)),
                    cv::Size(int(length / 1.6), int(r * 0.19)), 0, 0, 360, kSkin, cv::FILLED,
                    cv::LINE_AA);
    }
    cv::ellipse(picture, cv::Point(palm + cv::Point2d(-r * 0.4, -r * 0.95)),
                cv::Size(int(r * 0.6), int(r * 0.2)), -35, 0, 360, kSkin, cv::FILLED, cv::LINE_AA);
}

cv::Mat SceneScriptRenderer::render(const SceneMoment &moment, uint32_t counter)
{
    cv::Mat picture = base_.desk().clone();
    if (moment.page > 0)
        placeSheet(picture, pagePicture(moment.page), pageCentre(moment.page),
                   pageAngle(moment.page));

    const double p = moment.phase;
    if (moment.kind == SceneStep::Kind::Hand && !moment.still) {
        const int page = moment.page > 0 ? moment.page : 1;
        const double reach = smooth(p < 0.5 ? p * 2 : (1 - p) * 2);
        const double startX = width() * 1.08;
        const double endX = pageCentre(page).x - pageSize_.width * 0.15;
        drawHand(picture, cv::Point2d(startX + (endX - startX) * reach,
                                      pageCentre(page).y + pageSize_.height * 0.1));
    } else if (moment.kind == SceneStep::Kind::Turn && !moment.still) {
        // The hand comes to the old page's right edge, pushes the page off
        // to the left, and goes back out to the right over the new page.
        const int leaving = moment.leavingPage;
        const cv::Point2d from = leaving > 0 ? pageCentre(leaving) : pageCentre(moment.page);
        const double travel = from.x + pageSize_.width * 0.6 + pageSize_.height * 0.1;
        const double slide = smooth((p - 0.2) / 0.55);
        const cv::Point2d leavingCentre = from - cv::Point2d(travel * slide, 0);
        if (leaving > 0)
            placeSheet(picture, pagePicture(leaving), leavingCentre, pageAngle(leaving));
        const cv::Point2d grip = leavingCentre + cv::Point2d(pageSize_.width * 0.35, 0);
        const double outside = width() * 1.08;
        cv::Point2d tips;
        if (p < 0.2)
            tips = cv::Point2d(outside + (grip.x - outside) * smooth(p / 0.2), grip.y);
        else if (p < 0.75)
            tips = grip;
        else
            tips = cv::Point2d(grip.x + (outside - grip.x) * smooth((p - 0.75) / 0.25), grip.y);
        drawHand(picture, tips);
    }
    const cv::Mat band = base_.renderBand(counter);
    band.copyTo(picture(cv::Rect(0, 0, band.cols, band.rows)));
    return picture;
}

} // namespace camsim
