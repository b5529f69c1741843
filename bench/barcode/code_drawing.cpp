// SPDX-License-Identifier: GPL-3.0-or-later

#include "code_drawing.h"

#include <opencv2/imgproc.hpp>
#include <qrencode.h>

#include <cmath>

namespace benchcodes {

namespace {

constexpr int kFine = 8; // pixels per module before the reduction

cv::Mat reduce(const cv::Mat &fine, double modulePixels)
{
    cv::Mat out;
    const double scale = modulePixels / kFine;
    cv::resize(fine, out,
               cv::Size(std::max(1, static_cast<int>(std::lround(fine.cols * scale))),
                        std::max(1, static_cast<int>(std::lround(fine.rows * scale)))),
               0, 0, cv::INTER_AREA);
    return out;
}

} // namespace

CodeDrawing drawLinear(const LinearCode &code, double modulePixels, int heightModules)
{
    CodeDrawing drawing{{}, code.symbology, code.text, code.alsoRight};
    if (code.modules.empty())
        return drawing;
    const int quiet = 10;
    const int width = static_cast<int>(code.modules.size()) + 2 * quiet;
    cv::Mat fine(heightModules * kFine + 2 * quiet * kFine, width * kFine, CV_8UC1, cv::Scalar(255));
    for (std::size_t i = 0; i < code.modules.size(); ++i) {
        if (code.modules[i] != '1')
            continue;
        const int x = (quiet + static_cast<int>(i)) * kFine;
        fine(cv::Rect(x, quiet * kFine, kFine, heightModules * kFine)).setTo(0);
    }
    drawing.patch = reduce(fine, modulePixels);
    return drawing;
}

CodeDrawing drawQr(const std::string &bytes, int eci, const std::string &text, double modulePixels)
{
    CodeDrawing drawing{{}, "QR-Code", text, {}};
    QRinput *input = QRinput_new();
    if (!input)
        return drawing;
    if (eci >= 0)
        QRinput_appendECIheader(input, static_cast<unsigned>(eci));
    QRinput_append(input, QR_MODE_8, static_cast<int>(bytes.size()),
                   reinterpret_cast<const unsigned char *>(bytes.data()));
    QRcode *qr = QRcode_encodeInput(input);
    QRinput_free(input);
    if (!qr)
        return drawing;
    const int quiet = 4;
    const int n = qr->width;
    cv::Mat fine((n + 2 * quiet) * kFine, (n + 2 * quiet) * kFine, CV_8UC1, cv::Scalar(255));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qr->data[y * n + x] & 1)
                fine(cv::Rect((x + quiet) * kFine, (y + quiet) * kFine, kFine, kFine)).setTo(0);
    QRcode_free(qr);
    drawing.patch = reduce(fine, modulePixels);
    return drawing;
}

} // namespace benchcodes
