// SPDX-License-Identifier: GPL-3.0-or-later

#include "contour_detector.h"

#include "imaging/detection/detection_reduction.h"

#include <opencv2/imgproc.hpp>

#include <vector>

namespace bench {

bool findSheetByContours(const cv::Mat &picture, std::array<cv::Point2f, 4> *corners)
{
    const int factor = detection::reductionFactor(picture.cols, picture.rows);
    cv::Mat small;
    cv::resize(picture, small, cv::Size(picture.cols / factor, picture.rows / factor), 0, 0,
               cv::INTER_LINEAR);
    cv::Mat gray, edges;
    cv::cvtColor(small, gray, cv::COLOR_BGR2GRAY);
    cv::GaussianBlur(gray, gray, cv::Size(5, 5), 0);
    cv::Canny(gray, edges, 75, 200);
    cv::dilate(edges, edges, cv::Mat());

    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(edges, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    const double minimum = 0.05 * small.cols * small.rows;
    double best = 0;
    for (const std::vector<cv::Point> &contour : contours) {
        std::vector<cv::Point> polygon;
        cv::approxPolyDP(contour, polygon, 0.02 * cv::arcLength(contour, true), true);
        if (polygon.size() != 4 || !cv::isContourConvex(polygon))
            continue;
        const double area = cv::contourArea(polygon);
        if (area < minimum || area <= best)
            continue;
        best = area;
        for (int i = 0; i < 4; ++i)
            (*corners)[i] = cv::Point2f(float(polygon[i].x * factor), float(polygon[i].y * factor));
    }
    return best > 0;
}

} // namespace bench
