// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding camera frames for display: TurboJPEG into the window's pixel
// layout, reduced scales, grey pictures, what OpenCV still takes, broken
// frames; and the choice of scale for the rows the window draws into.

#include "core/live_view/display_decode_scale.h"
#include "core/live_view/frame_decoding.h"
#include "core/live_view/jpeg_frame_decoder.h"
#include "core/live_view/scaled_frame_cache.h"
#include "jpeg_test_frames.h"
#include "test_runner.h"

#include <QtTest>

#include <turbojpeg.h>

#include <cstring>

using namespace testframes;

class FrameDecodingTest : public QObject {
    Q_OBJECT

private slots:
    void colourFrameDecodesToThirtyTwoBitPixelsWithTheRightColours()
    {
        auto bytes = encode(twoColourPicture(64, 48));
        JpegFrameDecoder decoder;
        QImage image = decoder.decode(bytes.data(), int(bytes.size()));
        // The source bytes go away; the picture must not depend on them.
        std::memset(bytes.data(), 0, bytes.size());
        bytes = std::vector<unsigned char>();
        QCOMPARE(image.size(), QSize(64, 48));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        const QColor left = image.pixelColor(8, 24);
        const QColor right = image.pixelColor(56, 24);
        QVERIFY(near(left.blue(), 255) && near(left.red(), 0));
        QVERIFY(near(right.red(), 255) && near(right.blue(), 0));
        QCOMPARE(left.alpha(), 255);
    }

    void reducedScalesKeepTheColoursAndRoundUp()
    {
        const auto bytes = encode(twoColourPicture(100, 60));
        JpegFrameDecoder decoder;
        QCOMPARE(decoder.frameSize(bytes.data(), int(bytes.size())), QSize(100, 60));
        for (const JpegScale scale : {JpegScale{1, 2}, JpegScale{1, 4}, JpegScale{1, 8}}) {
            const QImage image = decoder.decode(bytes.data(), int(bytes.size()), scale);
            // 100/8 = 12.5 and 60/8 = 7.5 round up, as the decoder does.
            QCOMPARE(image.size(), QSize((100 + scale.denom - 1) / scale.denom, (60 + scale.denom - 1) / scale.denom));
            QVERIFY(near(image.pixelColor(1, image.height() / 2).blue(), 255));
            QVERIFY(near(image.pixelColor(image.width() - 2, image.height() / 2).red(), 255));
        }
        // The fast transform gives the same picture within JPEG noise.
        const QImage accurate = decoder.decode(bytes.data(), int(bytes.size()));
        const QImage fast = decoder.decode(bytes.data(), int(bytes.size()), JpegScale(), true);
        QCOMPARE(fast.size(), accurate.size());
        QVERIFY(near(fast.pixelColor(70, 30).red(), accurate.pixelColor(70, 30).red()));
    }

    void greyFrameStaysGreyAtEveryScale()
    {
        cv::Mat grey(40, 64, CV_8UC1);
        for (int x = 0; x < 64; ++x)
            grey.col(x).setTo(cv::Scalar(x * 4));
        const auto bytes = encode(grey);
        JpegFrameDecoder decoder;
        for (const JpegScale scale : {JpegScale{1, 1}, JpegScale{1, 2}}) {
            const QImage image = decoder.decode(bytes.data(), int(bytes.size()), scale);
            QCOMPARE(image.format(), QImage::Format_Grayscale8);
            QCOMPARE(image.size(), QSize(64 / scale.denom, 40 / scale.denom));
            const int x = image.width() * 3 / 4;
            QVERIFY(near(qGray(image.pixel(x, 5)), x * scale.denom * 4));
        }
        // Scaled for the screen it is still grey.
        ScaledFrameCache cache;
        const QImage shown = cache.scaled(decoder.decode(bytes.data(), int(bytes.size())), QSize(30, 20));
        const QColor c = shown.pixelColor(15, 10);
        QCOMPARE(c.red(), c.green());
        QCOMPARE(c.green(), c.blue());
    }

    void inkColourJpegsGoThroughOpenCvAndOtherFormatsNowhere()
    {
        // A CMYK JPEG (some cameras' print mode): TurboJPEG reads its header,
        // OpenCV converts the inks; full size, colour.
        std::vector<unsigned char> cmyk(size_t(24 * 16 * 4), 0);
        for (size_t i = 0; i < cmyk.size(); i += 4)
            cmyk[i + 2] = 255; // full yellow ink
        tjhandle compressor = tjInitCompress();
        unsigned char *jpeg = nullptr;
        unsigned long jpegSize = 0;
        QCOMPARE(tjCompress2(compressor, cmyk.data(), 24, 0, 16, TJPF_CMYK, &jpeg, &jpegSize, TJSAMP_444, 95, 0), 0);
        JpegFrameDecoder decoder;
        QCOMPARE(decoder.frameSize(jpeg, int(jpegSize)), QSize(24, 16));
        const QImage inks = decoder.decode(jpeg, int(jpegSize), JpegScale{1, 2});
        tjFree(jpeg);
        tjDestroy(compressor);
        QCOMPARE(inks.size(), QSize(24, 16));
        QCOMPARE(inks.format(), QImage::Format_RGB888);

        // Not a JPEG at all: nothing, however well OpenCV could read it.
        cv::Mat bgr(10, 12, CV_8UC3, cv::Scalar(10, 20, 30));
        const auto png = encode(bgr, ".png");
        QVERIFY(!decoder.frameSize(png.data(), int(png.size())).isValid());
        QVERIFY(decoder.decode(png.data(), int(png.size())).isNull());

        // The OpenCV conversion by matrix type: four channels become ARGB,
        // other depths nothing.
        const QImage argb = imageFromMat(cv::Mat(10, 10, CV_8UC4, cv::Scalar(10, 20, 30, 255)));
        QCOMPARE(argb.format(), QImage::Format_ARGB32);
        QCOMPARE(argb.pixelColor(3, 3), QColor(30, 20, 10, 255));
        QVERIFY(imageFromMat(cv::Mat(4, 4, CV_16UC1)).isNull());
    }

    void brokenFramesGiveANullPictureOrTheirDamagedPicture()
    {
        JpegFrameDecoder decoder;
        const unsigned char garbage[] = {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34, 0xFF, 0xD9};
        QVERIFY(decoder.decode(garbage, sizeof garbage).isNull());
        QVERIFY(decoder.decode(nullptr, 100).isNull());
        QVERIFY(decoder.decode(garbage, 0).isNull());
        QVERIFY(!decoder.frameSize(garbage, sizeof garbage).isValid());
        // Cut short after the header: the decoder fills in what is missing,
        // the size stays the frame's.
        const auto bytes = encode(twoColourPicture(64, 48));
        const QImage cut = decoder.decode(bytes.data(), int(bytes.size() * 2 / 3));
        QVERIFY(cut.isNull() || cut.size() == QSize(64, 48));
        // The decoder is still usable after each kind of failure (a stream
        // of only tables used to leave it reading 0x0 from then on).
        QCOMPARE(decoder.frameSize(bytes.data(), int(bytes.size())), QSize(64, 48));
        QCOMPARE(decoder.decode(bytes.data(), int(bytes.size())).size(), QSize(64, 48));
        QVERIFY(decoder.decode(garbage, sizeof garbage).isNull());
        QCOMPARE(decoder.decode(bytes.data(), int(bytes.size())).size(), QSize(64, 48));
    }

    void headerClaimingAGiantPictureIsNotDecoded()
    {
        auto bytes = encode(twoColourPicture(16, 16));
        // Rewrite the frame header (SOF0: FF C0, length, precision, height,
        // width) to claim 30000 x 30000.
        for (size_t i = 0; i + 9 < bytes.size(); ++i) {
            if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
                bytes[i + 5] = 30000 >> 8;
                bytes[i + 6] = 30000 & 0xFF;
                bytes[i + 7] = 30000 >> 8;
                bytes[i + 8] = 30000 & 0xFF;
                break;
            }
        }
        JpegFrameDecoder decoder;
        QCOMPARE(decoder.frameSize(bytes.data(), int(bytes.size())), QSize(30000, 30000));
        QVERIFY(decoder.decode(bytes.data(), int(bytes.size())).isNull());
    }

    void displayScaleIsTheSmallestThatStillFillsTheRows()
    {
        // 3840x2880 on a 1080-row screen (1048 rows of picture): half size.
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1048), (JpegScale{1, 2}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1440), (JpegScale{1, 2}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1441), (JpegScale{1, 1}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 700), (JpegScale{1, 4}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 360), (JpegScale{1, 8}));
        // 1920x1080 needs its full height for 1048 rows.
        QCOMPARE(displayDecodeScale(QSize(1920, 1080), 1048), (JpegScale{1, 1}));
        // The side standing upright decides: the height, or the width while
        // the view is turned a quarter.
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1572), (JpegScale{1, 1}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1572, true), (JpegScale{1, 2}));
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 1921, true), (JpegScale{1, 1}));
        QCOMPARE(displayDecodeScale(QSize(2880, 3840), 1048, true), (JpegScale{1, 2}));
        QCOMPARE(displayDecodeScale(QSize(4000, 1000), 1048), (JpegScale{1, 1}));
        QCOMPARE(displayDecodeScale(QSize(1000, 4000), 1048, true), (JpegScale{1, 1}));
        // Nothing known: full size.
        QCOMPARE(displayDecodeScale(QSize(3840, 2880), 0), (JpegScale{1, 1}));
        QCOMPARE(displayDecodeScale(QSize(), 1048), (JpegScale{1, 1}));
    }

    void scaledPictureIsMadeOncePerFrameAndSize()
    {
        ScaledFrameCache cache;
        QImage frame(400, 300, QImage::Format_RGB888);
        frame.fill(QColor(10, 200, 30));
        const QImage &a = cache.scaled(frame, QSize(200, 150));
        QCOMPARE(a.size(), QSize(200, 150));
        QCOMPARE(a.pixelColor(100, 75), QColor(10, 200, 30));
        cache.scaled(frame, QSize(200, 150));
        cache.scaled(QImage(frame), QSize(200, 150)); // a shallow copy is the same frame
        QCOMPARE(cache.rescaleCount(), 1);
        cache.scaled(frame, QSize(100, 75));
        QCOMPARE(cache.rescaleCount(), 2);
        QImage next(400, 300, QImage::Format_RGB888);
        next.fill(Qt::white);
        QCOMPARE(cache.scaled(next, QSize(100, 75)).pixelColor(50, 30), QColor(Qt::white));
        QCOMPARE(cache.rescaleCount(), 3);
        // Changing a frame in place makes it a new frame too.
        next.setPixelColor(0, 0, Qt::black);
        cache.scaled(next, QSize(100, 75));
        QCOMPARE(cache.rescaleCount(), 4);
        QVERIFY(cache.scaled(QImage(), QSize(100, 75)).isNull());
    }
};

REGISTER_TEST_CLASS(FrameDecodingTest)
#include "frame_decoding_test.moc"
