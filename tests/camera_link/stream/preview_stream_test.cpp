// SPDX-License-Identifier: GPL-3.0-or-later

// The preview stream with its receive threads where only a fake camera can
// play the part (a loopback address of each test's own, 127.13.<test>.1):
// frames handed out through the C interface, a stranger's datagrams, a TCP
// connection that falls silent, stopping a blocked receive and streams side
// by side. Frames in every format from the simulated camera, and the camera
// going away, are in tests/simulator/stream.

#include "fake_camera.h"
#include "qv_camera.h"
#include "stream/preview_stream.h"
#include "stream_wire.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using streamwire::Bytes;
using Clock = std::chrono::steady_clock;

qv::PreviewOptions quickOptions()
{
    qv::PreviewOptions o;
    o.udpReceiveTimeoutMs = 50;
    o.keepAliveIntervalMs = 50;
    return o;
}

// Polls like the application's worker until a frame arrives or time is up.
Bytes waitForFrame(PreviewStream *stream)
{
    static thread_local Bytes buffer(QV_MAX_FRAME_BYTES);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (Clock::now() < deadline) {
        const int n = QV_GetVideoFrame(stream, buffer.data(), nullptr);
        if (n > 0)
            return Bytes(buffer.begin(), buffer.begin() + n);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {};
}

TEST(PreviewExportsTest, QueuedFramesAreHandedOutWithTheirInfoAndKind)
{
    PreviewStream *stream = QV_StartPreview("127.13.7.1"); // no camera there
    ASSERT_NE(stream, nullptr);
    Bytes buffer(QV_MAX_FRAME_BYTES, 0xAA);
    FrameInfo info{7, 7};
    int kind = 0, width = 9, height = 9;
    float degree = 0;
    EXPECT_EQ(QV_GetVideoFrame(stream, buffer.data(), &info), 0);
    EXPECT_EQ(buffer[0], 0xAA); // nothing written without a frame
    EXPECT_EQ(info.low, 7u);
    EXPECT_EQ(QV_GetVideoParams(stream, &kind, &width, &height), 1);
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(QV_IsDeviceConnected(stream), 0);

    const uint8_t bytes[5] = {1, 2, 3, 4, 5};
    for (int i = 0; i < 3; ++i)
        stream->queue().push(qv::FrameRecord::copyOf(bytes, 5, 3, 0xFFFFFFFF80000001ull));
    // Without a buffer nothing is taken.
    EXPECT_EQ(QV_GetVideoFrame(stream, nullptr, &info), 0);
    ASSERT_EQ(QV_GetVideoFrame2(stream, buffer.data(), &info, &kind), 5);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 6), (Bytes{1, 2, 3, 4, 5, 0xAA}));
    EXPECT_EQ(info.low, 0x80000001u);
    EXPECT_EQ(info.high, 0xFFFFFFFFu);
    EXPECT_EQ(kind, 3);
    ASSERT_EQ(QV_GetVideoFrame(stream, buffer.data(), &info), 5);
    EXPECT_EQ(info.low, 0x80000001u);
    ASSERT_EQ(QV_GetVideoFrameWithDegree(stream, buffer.data(), &degree), 5);
    EXPECT_EQ(degree, -1.0f); // no tilt word from a camera: no sensor
    QV_StopPreview(stream);
}

TEST(PreviewExportsTest, EveryExportIgnoresANullStream)
{
    unsigned char buffer[8] = {};
    FrameInfo info{1, 2};
    int kind = 5, width = 6, height = 7;
    float degree = 9.0f;
    EXPECT_EQ(QV_StartPreview(nullptr), nullptr);
    QV_StopPreview(nullptr);
    EXPECT_EQ(QV_GetVideoFrame(nullptr, buffer, &info), 0);
    EXPECT_EQ(QV_GetVideoFrame2(nullptr, buffer, &info, &kind), 0);
    EXPECT_EQ(QV_GetVideoFrameWithDegree(nullptr, buffer, &degree), 0);
    EXPECT_EQ(QV_GetVideoParams(nullptr, &kind, &width, &height), 0);
    EXPECT_EQ(QV_IsDeviceConnected(nullptr), 0);
    EXPECT_EQ(info.low, 1u);
    EXPECT_EQ(kind, 5);
    EXPECT_EQ(degree, 9.0f);
}

TEST(PreviewStreamTest, OnlyTheCameraItselfIsListenedTo)
{
    const char *ip = "127.13.5.1";
    FakeCameraUdp camera(ip);
    IntruderUdp intruder("127.13.5.2");
    ASSERT_TRUE(camera.ready());
    auto stream = PreviewStream::start(ip, quickOptions());
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.waitForControl(1, 3000));

    Bytes forged = streamwire::testPicture(9000, 13);
    Bytes real = streamwire::testPicture(9000, 14);
    streamwire::Frame66 f;
    f.frameId = 1;
    for (const Bytes &d : streamwire::packets66(forged, f))
        intruder.sendTo(camera.receiver(), d);
    f.frameId = 2;
    for (const Bytes &d : streamwire::packets66(real, f))
        camera.send(d);

    EXPECT_EQ(waitForFrame(stream.get()), real);
    // The forged frame went in first, so it would be queued already.
    Bytes buffer(QV_MAX_FRAME_BYTES);
    EXPECT_EQ(QV_GetVideoFrame(stream.get(), buffer.data(), nullptr), 0);
    // The keep-alive still goes to the camera, not to whoever sent last.
    EXPECT_TRUE(camera.waitForControl(1, 2000));
    EXPECT_FALSE(intruder.receivedAnything());
}

TEST(PreviewStreamTest, TcpConnectionSilentForTheReceiveTimeOutIsMadeAgain)
{
    // A camera that restarts never closes the old connection; only a fresh
    // connect after the receive time-out brings its stream back.
    const char *ip = "127.13.10.1";
    FakeCameraTcp camera(ip);
    ASSERT_TRUE(camera.ready());
    qv::PreviewOptions o = quickOptions();
    o.tcpReceiveTimeoutMs = 100;
    auto stream = PreviewStream::start(ip, o);
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.accept(3000));
    // Nothing is sent on the first connection.
    EXPECT_TRUE(camera.accept(3000));
}

TEST(PreviewStreamTest, StopInterruptsAReceiveOnAQuietConnection)
{
    const char *ip = "127.13.8.1";
    FakeCameraTcp camera(ip);
    ASSERT_TRUE(camera.ready());
    qv::PreviewOptions o = quickOptions();
    // Far beyond the test's time limit: a stop that waited the receive out
    // would make a test that does not end.
    o.tcpReceiveTimeoutMs = 600000;
    auto stream = PreviewStream::start(ip, o);
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.accept(3000));
    // Once a frame is through, the thread is back in its receive.
    Bytes picture = streamwire::testPicture(3000, 17);
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(picture, {})));
    ASSERT_EQ(waitForFrame(stream.get()), picture);
    stream->stop();
    EXPECT_TRUE(camera.closedByReceiver(2000));
}

TEST(PreviewStreamTest, SeveralStreamsRunSideBySide)
{
    FakeCameraTcp cameraA("127.13.9.1"), cameraB("127.13.9.2");
    ASSERT_TRUE(cameraA.ready() && cameraB.ready());
    auto a = PreviewStream::start("127.13.9.1", quickOptions());
    auto b = PreviewStream::start("127.13.9.2", quickOptions());
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(cameraA.accept(3000) && cameraB.accept(3000));
    Bytes pa = streamwire::testPicture(7000, 15), pb = streamwire::testPicture(8000, 16);
    ASSERT_TRUE(cameraA.send(streamwire::boundaryRecord(pa, {})));
    ASSERT_TRUE(cameraB.send(streamwire::boundaryRecord(pb, {})));
    EXPECT_EQ(waitForFrame(a.get()), pa);
    EXPECT_EQ(waitForFrame(b.get()), pb);
}

} // namespace
