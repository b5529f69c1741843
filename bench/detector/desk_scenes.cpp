// SPDX-License-Identifier: GPL-3.0-or-later

#include "desk_scenes.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

namespace {

const char *const kLines[] = {
    "The harbour committee met on Tuesday to review the",
    "spring timetable. Ferries will run every twenty minutes",
    "between the north pier and the island from April on.",
    "Passengers with bicycles board at the rear ramp.",
    "1. Ticket prices stay at the level of last year.",
    "2. The night service ends at half past eleven.",
    "3. Repairs to the east landing start in May.",
    "Questions can be sent to the harbour office or asked",
};

enum class Desk { Wood, Dark, White, Fabric };

// A desk surface: a base colour with soft grain, like the simulator's.
cv::Mat renderDesk(cv::Size size, Desk desk, cv::RNG &rng)
{
    const int sw = std::max(16, size.width / 8), sh = std::max(16, size.height / 8);
    cv::Mat grain(sh, sw, CV_32FC1);
    rng.fill(grain, cv::RNG::NORMAL, 0.0, 1.0);
    const double stretch = desk == Desk::Wood ? 12.0 : 3.0;
    cv::GaussianBlur(grain, grain, cv::Size(0, 0), stretch, 1.0);
    cv::normalize(grain, grain, -1.0, 1.0, cv::NORM_MINMAX);
    cv::Vec3f base;
    float amount;
    switch (desk) {
    case Desk::Wood:
        base = cv::Vec3f(58, 98, 146) * float(rng.uniform(0.8, 1.3));
        amount = 0.15f;
        break;
    case Desk::Dark:
        base = cv::Vec3f(34, 32, 30) * float(rng.uniform(0.7, 1.4));
        amount = 0.2f;
        break;
    case Desk::White:
        base = cv::Vec3f(212, 214, 210) * float(rng.uniform(0.92, 1.05));
        amount = 0.03f;
        break;
    case Desk::Fabric:
        base = cv::Vec3f(110, 80, 60) * float(rng.uniform(0.8, 1.2));
        amount = 0.1f;
        break;
    }
    cv::Mat small(sh, sw, CV_8UC3);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const float g = grain.at<float>(y, x);
            const float ring = desk == Desk::Wood ? 0.5f * std::sin(y * 0.35f + g * 3.0f) : 0.0f;
            const float v = 1.0f + amount * g + 0.4f * amount * ring;
            small.at<cv::Vec3b>(y, x) = cv::Vec3b(cv::saturate_cast<uchar>(base[0] * v),
                                                  cv::saturate_cast<uchar>(base[1] * v),
                                                  cv::saturate_cast<uchar>(base[2] * v));
        }
    cv::Mat picture;
    cv::resize(small, picture, size, 0, 0, cv::INTER_LINEAR);
    return picture;
}

// An A4 page with a heading and lines of print, at its own resolution.
cv::Mat renderPage(int height, cv::RNG &rng)
{
    const int width = height * 1000 / 1414;
    const uchar paper = cv::saturate_cast<uchar>(rng.uniform(232, 252));
    cv::Mat page(height, width, CV_8UC3, cv::Scalar(paper, paper + 1 > 255 ? 255 : paper + 1, paper));
    const int margin = width / 12;
    const double scale = width / 1400.0;
    const int thickness = std::max(1, width / 700);
    const int step = std::max(4, height / 34);
    int y = margin + step;
    cv::putText(page, "Harbour Ferry Notice", cv::Point(margin, y), cv::FONT_HERSHEY_DUPLEX,
                scale * 1.8, cv::Scalar(30, 30, 30), thickness + 1, cv::LINE_AA);
    y += 2 * step;
    for (int i = 0; y < height - margin; ++i, y += step)
        cv::putText(page, kLines[i % 8], cv::Point(margin, y), cv::FONT_HERSHEY_SIMPLEX, scale,
                    cv::Scalar(45, 45, 45), thickness, cv::LINE_AA);
    return page;
}

// Darkens the picture inside a polygon, softly, by a factor.
void castShadow(cv::Mat &picture, const std::vector<cv::Point> &polygon, double blur,
                double darkness)
{
    cv::Mat mask(picture.size(), CV_32FC1, cv::Scalar(0));
    cv::fillPoly(mask, std::vector<std::vector<cv::Point>>{polygon}, cv::Scalar(1.0), cv::LINE_AA);
    if (blur > 0) {
        // Blur a reduced mask: a wide blur at full 4K size would dominate
        // the rendering time.
        cv::Mat small;
        cv::resize(mask, small, cv::Size(), 0.25, 0.25, cv::INTER_AREA);
        cv::GaussianBlur(small, small, cv::Size(0, 0), blur / 4.0);
        cv::resize(small, mask, picture.size(), 0, 0, cv::INTER_LINEAR);
    }
    cv::Mat factor = 1.0 - darkness * mask;
    cv::Mat channels[3];
    cv::split(picture, channels);
    for (cv::Mat &c : channels) {
        cv::Mat f;
        c.convertTo(f, CV_32F);
        f = f.mul(factor);
        f.convertTo(c, CV_8U);
    }
    cv::merge(channels, 3, picture);
}

// Places the page on the desk with a rotation, a scale and an optional
// slant (a camera not straight above), and returns the corners.
std::array<cv::Point2f, 4> placePage(cv::Mat &picture, const cv::Mat &page, cv::Point2f centre,
                                     double angleDegrees, double slant, cv::RNG &rng)
{
    const float w = float(page.cols), h = float(page.rows);
    const double a = angleDegrees * CV_PI / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    // Slant: one end of the page appears narrower than the other.
    const float narrow = float(slant);
    const cv::Point2f local[4] = {{-w / 2 * (1 - narrow), -h / 2},
                                  {w / 2 * (1 - narrow), -h / 2},
                                  {w / 2 * (1 + narrow * 0.5f), h / 2},
                                  {-w / 2 * (1 + narrow * 0.5f), h / 2}};
    std::array<cv::Point2f, 4> corners;
    for (int i = 0; i < 4; ++i) {
        const double jitter = slant > 0 ? rng.uniform(-0.01, 0.01) * w : 0.0;
        corners[i] = cv::Point2f(float(centre.x + c * local[i].x - s * local[i].y + jitter),
                                 float(centre.y + s * local[i].x + c * local[i].y));
    }
    const cv::Point2f source[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    const cv::Mat warp = cv::getPerspectiveTransform(source, corners.data());

    // A drop shadow under the page, offset down and to the right.
    std::vector<cv::Point> shadow;
    const float offset = w / 60.0f;
    for (const cv::Point2f &p : corners)
        shadow.emplace_back(cv::Point(int(p.x + offset), int(p.y + offset)));
    castShadow(picture, shadow, w / 40.0, 0.35);

    // Warp over the page's bounding box only.
    const cv::Rect box = cv::boundingRect(std::vector<cv::Point2f>(corners.begin(), corners.end()))
                         & cv::Rect(0, 0, picture.cols, picture.rows);
    if (!box.empty()) {
        cv::Mat shift = (cv::Mat_<double>(3, 3) << 1, 0, -box.x, 0, 1, -box.y, 0, 0, 1);
        cv::Mat target = picture(box);
        cv::warpPerspective(page, target, shift * warp, box.size(), cv::INTER_LINEAR,
                            cv::BORDER_TRANSPARENT);
    }
    return corners;
}

// Things on a desk that are not paper: a pen, a mug seen from above, a
// phone.
void scatterObjects(cv::Mat &picture, cv::RNG &rng, int count)
{
    const int unit = picture.rows / 20;
    for (int i = 0; i < count; ++i) {
        const cv::Point at(rng.uniform(0, picture.cols), rng.uniform(0, picture.rows));
        switch (rng.uniform(0, 3)) {
        case 0:
            cv::line(picture, at, at + cv::Point(rng.uniform(-6, 6) * unit, rng.uniform(-3, 3) * unit),
                     cv::Scalar(rng.uniform(0, 80), rng.uniform(0, 80), rng.uniform(100, 200)),
                     std::max(2, unit / 5), cv::LINE_AA);
            break;
        case 1:
            cv::circle(picture, at, 2 * unit, cv::Scalar(60, 60, 200), -1, cv::LINE_AA);
            cv::circle(picture, at, 2 * unit - unit / 3, cv::Scalar(20, 40, 60), -1, cv::LINE_AA);
            break;
        default:
            cv::rectangle(picture, cv::Rect(at, cv::Size(3 * unit, 6 * unit)), cv::Scalar(25, 25, 25),
                          -1, cv::LINE_AA);
            break;
        }
    }
}

// Camera noise and a JPEG round trip, as frames arrive in the application.
void cameraFinish(cv::Mat &picture, cv::RNG &rng)
{
    cv::Mat noise(picture.size(), CV_16SC3);
    rng.fill(noise, cv::RNG::NORMAL, 0, 3);
    cv::Mat wide;
    picture.convertTo(wide, CV_16SC3);
    wide += noise;
    wide.convertTo(picture, CV_8UC3);
    std::vector<uchar> jpeg;
    cv::imencode(".jpg", picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, 85});
    picture = cv::imdecode(jpeg, cv::IMREAD_COLOR);
}

} // namespace

DeskScene renderDeskScene(int number, cv::Size size, uint64_t seed)
{
    cv::RNG rng(seed * 1000003ULL + uint64_t(number) * 7919ULL + 1);
    DeskScene scene;
    const int kind = number % kSceneKinds;
    Desk desk = Desk::Wood;
    double angle = rng.uniform(-20.0, 20.0);
    double slant = 0.0;
    double fill = rng.uniform(0.55, 0.85); // page height over picture height
    cv::Point2f centre(float(size.width * rng.uniform(0.4, 0.6)),
                       float(size.height * rng.uniform(0.4, 0.6)));
    bool sheet = true;
    bool softShadow = false;
    int objects = 0;
    switch (kind) {
    case 0: scene.kind = "wood, small tilt"; break;
    case 1: scene.kind = "wood, any angle"; angle = rng.uniform(-90.0, 90.0); break;
    case 2: scene.kind = "dark desk, any angle"; desk = Desk::Dark; angle = rng.uniform(-90.0, 90.0); break;
    case 3: scene.kind = "white desk"; desk = Desk::White; angle = rng.uniform(-45.0, 45.0); break;
    case 4:
        scene.kind = "partly out of frame";
        desk = rng.uniform(0, 2) ? Desk::Wood : Desk::Fabric;
        fill = rng.uniform(0.8, 1.0);
        centre = cv::Point2f(float(size.width * rng.uniform(0.15, 0.85)),
                             float(size.height * (rng.uniform(0, 2) ? 0.2 : 0.8)));
        break;
    case 5: scene.kind = "soft shadow"; softShadow = true; angle = rng.uniform(-45.0, 45.0); break;
    case 6: scene.kind = "slanted view"; desk = Desk::Fabric; slant = rng.uniform(0.08, 0.2); break;
    case 7: scene.kind = "objects beside sheet"; objects = 3; fill = rng.uniform(0.45, 0.6); break;
    case 8: scene.kind = "no sheet, wood"; sheet = false; objects = rng.uniform(0, 3); break;
    default:
        scene.kind = "no sheet, dark or white";
        sheet = false;
        desk = rng.uniform(0, 2) ? Desk::Dark : Desk::White;
        objects = 1;
        break;
    }

    scene.picture = renderDesk(size, desk, rng);
    if (objects)
        scatterObjects(scene.picture, rng, objects);
    if (sheet) {
        const cv::Mat page = renderPage(int(size.height * fill), rng);
        scene.sheet = placePage(scene.picture, page, centre, angle, slant, rng);
        scene.hasSheet = true;
    }
    if (softShadow) {
        // The presenter's arm or a lamp: a broad soft shadow over a part of
        // the picture.
        const int w = size.width, h = size.height;
        const cv::Point a(int(w * rng.uniform(0.0, 0.5)), 0);
        std::vector<cv::Point> arm = {a, {a.x + w / 3, 0}, {w, int(h * rng.uniform(0.4, 0.9))},
                                      {w, h}, {int(w * 0.8), h}};
        castShadow(scene.picture, arm, h / 10.0, rng.uniform(0.2, 0.35));
    }
    cameraFinish(scene.picture, rng);
    return scene;
}

} // namespace bench
