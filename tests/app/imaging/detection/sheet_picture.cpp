// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet_picture.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

SheetPicture renderSheet(const SheetPlacement &p)
{
    SheetPicture out;
    out.picture = cv::Mat(p.frame, CV_8UC3, p.desk);
    cv::Mat noise(p.frame, CV_8UC3);
    cv::RNG rng(11);
    rng.fill(noise, cv::RNG::UNIFORM, 0, 8);
    out.picture += noise;

    cv::Mat sheet(p.sheet, CV_8UC3, cv::Scalar(245, 247, 248));
    const int margin = p.sheet.width / 10;
    for (int y = margin * 2; y < p.sheet.height - margin; y += p.sheet.height / 25)
        cv::putText(sheet, "Quarterly figures and the harbour timetable", cv::Point(margin, y),
                    cv::FONT_HERSHEY_SIMPLEX, p.sheet.width / 1100.0, cv::Scalar(40, 40, 40), 1,
                    cv::LINE_AA);

    const float w = float(p.sheet.width), h = float(p.sheet.height);
    const float top = float(p.slant) * w / 2;
    const cv::Point2f local[4] = {{-w / 2 + top, -h / 2}, {w / 2 - top, -h / 2}, {w / 2, h / 2},
                                  {-w / 2, h / 2}};
    const double a = p.degrees * CV_PI / 180.0;
    for (int i = 0; i < 4; ++i)
        out.corners[i] = cv::Point2f(float(p.centre.x + std::cos(a) * local[i].x - std::sin(a) * local[i].y),
                                     float(p.centre.y + std::sin(a) * local[i].x + std::cos(a) * local[i].y));
    const cv::Point2f source[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    cv::warpPerspective(sheet, out.picture, cv::getPerspectiveTransform(source, out.corners.data()),
                        p.frame, cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
    return out;
}
