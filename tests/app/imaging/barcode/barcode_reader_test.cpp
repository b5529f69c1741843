// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/barcode_reader.h"

#include "camera_scene.h"
#include "code_drawing.h"
#include "linear_codes.h"

#include <gtest/gtest.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <zbar.h>

#include <algorithm>
#include <string>
#include <vector>

using barcode::BarcodeReader;
using barcode::DecodedCode;
using benchcodes::CodeDrawing;

namespace {

// Codes on white paper, side by side with gaps, the page `width` wide.
cv::Mat page(const std::vector<CodeDrawing> &codes, int width = 1200, int height = 600, int top = 40)
{
    cv::Mat paper(height, width, CV_8UC1, cv::Scalar(235));
    int x = 40;
    for (const CodeDrawing &code : codes) {
        code.patch.copyTo(paper(cv::Rect(x, top, code.patch.cols, code.patch.rows)));
        x += code.patch.cols + 40;
    }
    return paper;
}

std::vector<std::string> texts(const std::vector<DecodedCode> &codes)
{
    std::vector<std::string> t;
    for (const DecodedCode &c : codes)
        t.push_back(c.text);
    return t;
}

std::vector<std::string> plainZbarTexts(const cv::Mat &grey)
{
    zbar::ImageScanner scanner;
    scanner.request_dbus(false);
    zbar::Image image(grey.cols, grey.rows, "Y800", grey.data, grey.total());
    scanner.scan(image);
    std::vector<std::string> t;
    for (auto s = image.symbol_begin(); s != image.symbol_end(); ++s)
        t.push_back(s->get_data());
    return t;
}

using Texts = std::vector<std::string>;

// Camera pictures without the JPEG round trip: OpenCV's codecs take locks
// of a library below them in an order ThreadSanitizer reports.
benchcodes::SceneLook uncompressed()
{
    benchcodes::SceneLook look;
    look.jpegQuality = 0;
    return look;
}

} // namespace

TEST(BarcodeReader, Utf8QrTextsArriveUnchanged)
{
    BarcodeReader reader;
    for (const std::string text : {"二维码测试：第3页", "Καλημέρα κόσμε", "naïve café"}) {
        const cv::Mat picture = page({benchcodes::drawQr(text, -1, "", 5)});
        EXPECT_EQ(texts(reader.read(picture)), Texts{text});
        // What the reader protects against: ZBar's own guess at the
        // character set garbles each of them.
        EXPECT_NE(plainZbarTexts(picture), Texts{text}) << text;
    }
}

TEST(BarcodeReader, ReadsBothCodesOfAPictureAlsoMirrored)
{
    // ZBar reads a mirrored QR code, and a linear code mirrored is the same
    // code read backwards: the mirrored live picture gives the same codes.
    BarcodeReader reader;
    const cv::Mat picture = page({benchcodes::drawQr("mirror me", -1, "", 5),
                                  benchcodes::drawLinear(benchcodes::ean13("590123412345"), 3, 45)});
    for (int axis : {2, 0, 1, -1}) {
        cv::Mat shown = picture.clone();
        if (axis != 2)
            cv::flip(picture, shown, axis);
        std::vector<std::string> read;
        for (const DecodedCode &code : reader.read(shown))
            read.push_back(code.symbology + " " + code.text);
        std::sort(read.begin(), read.end());
        EXPECT_EQ(read, (Texts{"EAN-13 5901234123457", "QR-Code mirror me"})) << "axis " << axis;
    }
}

TEST(BarcodeReader, PicturesWithoutCodesGiveNothing)
{
    BarcodeReader reader;
    EXPECT_TRUE(reader.read(cv::Mat(1080, 1920, CV_8UC1, cv::Scalar(200))).empty());
    // Printed text, table rules and a striped decoration.
    benchcodes::SceneLook look = uncompressed();
    look.stripes = true;
    cv::Mat scene;
    benchcodes::renderScene(1, {}, look, &scene);
    EXPECT_EQ(texts(reader.read(scene)), Texts{});
}

TEST(BarcodeReader, FragmentsOfInterleaved2Of5AreNotReported)
{
    // An ITF-14 turned on the page: scan lines cross it at a slant, and
    // ZBar as configured by default reports parts of it as shorter codes.
    const benchcodes::LinearCode itf = benchcodes::interleaved2of5("1234567890123");
    cv::Mat scene;
    benchcodes::renderScene(1030, {{benchcodes::drawLinear(itf, 3.0, 45), 200}}, uncompressed(), &scene);
    const Texts plain = plainZbarTexts(scene);
    ASSERT_TRUE(std::any_of(plain.begin(), plain.end(), [&](const std::string &t) { return t != itf.text; }))
        << "the picture no longer shows the fault this test is about";
    BarcodeReader reader;
    for (const std::string &text : texts(reader.read(scene)))
        EXPECT_EQ(text, itf.text);
}

TEST(BarcodeReader, SmallBlurredCodesAreReadByTheEnlargedScanOnce)
{
    // A QR code of 2.6-pixel modules, blurred, in the middle of the picture
    // where the two bands of the second scan overlap: read once.
    cv::Mat picture = page({benchcodes::drawQr("https://corvane.example/small", -1, "", 2.6)}, 1920, 1080, 480);
    cv::GaussianBlur(picture, picture, cv::Size(), 0.9);
    barcode::ScanPlan oneScale;
    oneScale.secondScale = 0;
    ASSERT_TRUE(BarcodeReader(oneScale).read(picture).empty()) << "readable without enlarging";
    barcode::ScanPlan oneThread;
    oneThread.twoThreads = false;
    barcode::ScanPlan whole;
    whole.wholePicture = true;
    for (const barcode::ScanPlan &plan : {barcode::ScanPlan(), oneThread, whole}) {
        BarcodeReader reader(plan);
        EXPECT_EQ(texts(reader.read(picture)), Texts{"https://corvane.example/small"});
    }
}

TEST(BarcodeReader, AnyBufferShapeIsSafe)
{
    BarcodeReader reader;
    const unsigned char pixel = 255;
    EXPECT_TRUE(reader.read(nullptr, 10, 10, 10).empty());
    EXPECT_TRUE(reader.read(&pixel, 0, 0, 0).empty());
    EXPECT_TRUE(reader.read(&pixel, 1, 1, 1).empty());
    EXPECT_TRUE(reader.read(&pixel, 1, 1, 0).empty()); // stride below the width
    EXPECT_TRUE(reader.read(cv::Mat(100, 100, CV_8UC3, cv::Scalar::all(255))).empty());

    // A code in a buffer with a huge row stride, and in a cut-out.
    const cv::Mat picture = page({benchcodes::drawQr("stride", -1, "", 4)}, 400, 300);
    const long long stride = 1 << 16;
    std::vector<unsigned char> wide(static_cast<std::size_t>(stride) * picture.rows, 0);
    for (int y = 0; y < picture.rows; ++y)
        picture.row(y).copyTo(cv::Mat(1, picture.cols, CV_8UC1, wide.data() + y * stride));
    EXPECT_EQ(texts(reader.read(wide.data(), picture.cols, picture.rows, stride)), Texts{"stride"});
    EXPECT_EQ(texts(reader.read(picture(cv::Rect(10, 10, 300, 280)))), Texts{"stride"});
}
