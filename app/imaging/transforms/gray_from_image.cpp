// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/transforms/gray_from_image.h"

#include <QImage>

#include <opencv2/core/hal/intrin.hpp>

namespace {

constexpr unsigned kRedWeight = 11;
constexpr unsigned kGreenWeight = 16;
constexpr unsigned kBlueWeight = 5;

inline uchar grey(unsigned r, unsigned g, unsigned b)
{
    return uchar((kRedWeight * r + kGreenWeight * g + kBlueWeight * b) >> 5);
}

#if CV_SIMD
// Weighted sum of one register of each channel; the largest sum (32 * 255)
// fits 16 bits.
inline cv::v_uint8 greyLanes(const cv::v_uint8 &r, const cv::v_uint8 &g, const cv::v_uint8 &b)
{
    const cv::v_uint16 wr = cv::vx_setall_u16(kRedWeight);
    const cv::v_uint16 wg = cv::vx_setall_u16(kGreenWeight);
    const cv::v_uint16 wb = cv::vx_setall_u16(kBlueWeight);
    cv::v_uint16 rLo, rHi, gLo, gHi, bLo, bHi;
    cv::v_expand(r, rLo, rHi);
    cv::v_expand(g, gLo, gHi);
    cv::v_expand(b, bLo, bHi);
    const cv::v_uint16 lo = (cv::v_mul_wrap(rLo, wr) + cv::v_mul_wrap(gLo, wg) + cv::v_mul_wrap(bLo, wb)) >> 5;
    const cv::v_uint16 hi = (cv::v_mul_wrap(rHi, wr) + cv::v_mul_wrap(gHi, wg) + cv::v_mul_wrap(bHi, wb)) >> 5;
    return cv::v_pack(lo, hi);
}
#endif

// Bytes R, G, B per pixel (QImage::Format_RGB888).
void greyRowFromRgb(const uchar *in, uchar *out, int width)
{
    int x = 0;
#if CV_SIMD
    const int lanes = cv::v_uint8::nlanes;
    for (; x + lanes <= width; x += lanes) {
        cv::v_uint8 r, g, b;
        cv::v_load_deinterleave(in + 3 * x, r, g, b);
        cv::v_store(out + x, greyLanes(r, g, b));
    }
#endif
    for (; x < width; ++x)
        out[x] = grey(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
}

// 32-bit QRgb words, bytes B, G, R, A in memory on a little-endian machine.
void greyRowFromRgb32(const uchar *in, uchar *out, int width)
{
    int x = 0;
#if CV_SIMD
    const int lanes = cv::v_uint8::nlanes;
    for (; x + lanes <= width; x += lanes) {
        cv::v_uint8 b, g, r, a;
        cv::v_load_deinterleave(in + 4 * x, b, g, r, a);
        cv::v_store(out + x, greyLanes(r, g, b));
    }
#endif
    for (; x < width; ++x) {
        const QRgb pixel = reinterpret_cast<const QRgb *>(in)[x];
        out[x] = grey(unsigned(qRed(pixel)), unsigned(qGreen(pixel)), unsigned(qBlue(pixel)));
    }
}

} // namespace

cv::Mat grayFromImage(const QImage &image)
{
    if (image.isNull())
        return cv::Mat();
    cv::Mat result(image.height(), image.width(), CV_8UC1);
    const int width = image.width();

    if (image.format() == QImage::Format_Grayscale8) {
        // (11 + 16 + 5) * v >> 5 is v itself.
        for (int y = 0; y < image.height(); ++y)
            std::copy_n(image.constScanLine(y), width, result.ptr<uchar>(y));
        return result;
    }
    if (image.format() == QImage::Format_RGB888) {
        for (int y = 0; y < image.height(); ++y)
            greyRowFromRgb(image.constScanLine(y), result.ptr<uchar>(y), width);
        return result;
    }
    const bool words = image.format() == QImage::Format_RGB32
        || image.format() == QImage::Format_ARGB32
        || image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage source = words ? image : image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        greyRowFromRgb32(source.constScanLine(y), result.ptr<uchar>(y), width);
#else
        const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = result.ptr<uchar>(y);
        for (int x = 0; x < width; ++x)
            out[x] = grey(unsigned(qRed(in[x])), unsigned(qGreen(in[x])), unsigned(qBlue(in[x])));
#endif
    }
    return result;
}
