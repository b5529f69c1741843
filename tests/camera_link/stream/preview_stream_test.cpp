// The preview stream with its receive threads, against a fake camera on a
// loopback address of each test's own (127.13.<test>.1): frames over UDP
// (both formats) and TCP arrive byte-exact through the C interface, the
// control datagrams, reconnecting a silent TCP connection, the
// camera-address filter, the connected flag, the frame-size limit and
// stopping.

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

// Receive threads poll their sockets with short time-outs in these tests so
// each test settles in well under a second.
qv::PreviewOptions quickOptions()
{
    qv::PreviewOptions o;
    o.udpReceiveTimeoutMs = 50;
    o.keepAliveIntervalMs = 50;
    return o;
}

struct Taken {
    int length = 0;
    Bytes bytes;
    FrameInfo info{};
};

// Polls like the application's worker until a frame arrives or time is up.
Taken waitForFrame(PreviewStream *stream, int timeoutMs = 3000)
{
    static thread_local Bytes buffer(QV_MAX_FRAME_BYTES);
    Taken t;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        t.length = QV_GetVideoFrame(stream, buffer.data(), &t.info);
        if (t.length > 0) {
            t.bytes.assign(buffer.begin(), buffer.begin() + t.length);
            return t;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return t;
}

template <typename Predicate>
bool eventually(Predicate p, int timeoutMs = 3000)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        if (p())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return p();
}

TEST(PreviewStreamTest, UdpPacket66FramesThroughTheCInterface)
{
    const char *ip = "127.13.1.1";
    FakeCameraUdp camera(ip);
    FakeCameraTcp silentTcp(ip);
    ASSERT_TRUE(camera.ready() && silentTcp.ready());
    PreviewStream *stream = QV_StartPreview(ip);
    ASSERT_NE(stream, nullptr);
    // Real intervals here: the first start datagram comes after 600 ms.
    ASSERT_TRUE(camera.waitForControl(1, 4000));

    for (uint8_t id = 1; id <= 3; ++id) {
        Bytes picture = streamwire::testPicture(20000 + id * 1000, id);
        streamwire::Frame66 f;
        f.frameId = id;
        f.kind = 2;
        f.width = 1920;
        f.height = 1080;
        f.info = 0x1000u + id;
        camera.sendAll(streamwire::packets66(picture, f));
        Taken t = waitForFrame(stream);
        ASSERT_EQ(t.length, static_cast<int>(picture.size())) << int(id);
        EXPECT_EQ(t.bytes, picture);
        EXPECT_EQ(t.info.low, 0x1000u + id);
        EXPECT_EQ(t.info.high, 0u);
    }
    int kind = 0, width = 0, height = 0;
    EXPECT_EQ(QV_GetVideoParams(stream, &kind, &width, &height), 1);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(width, 1920);
    EXPECT_EQ(height, 1080);
    EXPECT_EQ(QV_IsDeviceConnected(stream), 1);

    QV_StopPreview(stream);
    EXPECT_TRUE(camera.waitForControl(2, 2000)); // the camera is told to stop
}

TEST(PreviewStreamTest, UdpType3FramesWithKindAndTiltAngle)
{
    const char *ip = "127.13.2.1";
    FakeCameraUdp camera(ip);
    FakeCameraTcp silentTcp(ip);
    ASSERT_TRUE(camera.ready() && silentTcp.ready());
    auto stream = PreviewStream::start(ip, quickOptions());
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.waitForControl(1, 3000));

    Bytes buffer(QV_MAX_FRAME_BYTES);
    Bytes picture = streamwire::testPicture(30000, 7);
    streamwire::FrameType3 f;
    f.kind = 3;
    f.info = 0xFFFFFFFE;
    f.tilt = 0x80000000u + 90000;
    camera.sendAll(streamwire::packetsType3(picture, f));
    int kind = 0;
    FrameInfo info{};
    ASSERT_TRUE(eventually([&] { return stream->queue().hasItems(); }));
    ASSERT_EQ(QV_GetVideoFrame2(stream.get(), buffer.data(), &info, &kind),
              static_cast<int>(picture.size()));
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), buffer.begin()));
    EXPECT_EQ(kind, 3);
    EXPECT_EQ(info.low, 0xFFFFFFFEu);
    EXPECT_EQ(info.high, 0xFFFFFFFFu);

    f.frameId = 2;
    camera.sendAll(streamwire::packetsType3(picture, f));
    float degree = 0;
    ASSERT_TRUE(eventually([&] { return stream->queue().hasItems(); }));
    ASSERT_EQ(QV_GetVideoFrameWithDegree(stream.get(), buffer.data(), &degree),
              static_cast<int>(picture.size()));
    EXPECT_NEAR(degree, 1.5708f, 1e-3f);
    stream->stop();
    EXPECT_TRUE(camera.waitForControl(2, 2000));
}

TEST(PreviewStreamTest, TcpRecordsArriveAndTheLinkIsReopenedAfterADrop)
{
    const char *ip = "127.13.3.1";
    FakeCameraTcp camera(ip);
    ASSERT_TRUE(camera.ready());
    auto stream = PreviewStream::start(ip, quickOptions());
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.accept(3000));

    Bytes picture = streamwire::testPicture(100000, 8);
    streamwire::Record r;
    r.width = 3840;
    r.height = 2880;
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(picture, r)));
    Taken t = waitForFrame(stream.get());
    EXPECT_EQ(t.bytes, picture);
    EXPECT_EQ(stream->fields().width.load(), 3840);
    EXPECT_TRUE(QV_IsDeviceConnected(stream.get()));

    camera.closeClient();
    EXPECT_TRUE(eventually([&] { return !QV_IsDeviceConnected(stream.get()); }));
    ASSERT_TRUE(camera.accept(3000));
    Bytes second = streamwire::testPicture(5000, 9);
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(second, r)));
    EXPECT_EQ(waitForFrame(stream.get()).bytes, second);
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

TEST(PreviewStreamTest, TcpFramesBeyondTheCallerBufferAreNeverHandedOut)
{
    const char *ip = "127.13.4.1";
    FakeCameraTcp camera(ip);
    ASSERT_TRUE(camera.ready());
    auto stream = PreviewStream::start(ip, quickOptions());
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.accept(3000));

    Bytes tooLong = streamwire::testPicture(QV_MAX_FRAME_BYTES + 1, 10);
    Bytes longest = streamwire::testPicture(QV_MAX_FRAME_BYTES, 11);
    Bytes small = streamwire::testPicture(4000, 12);
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(tooLong, {})));
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(longest, {})));
    Taken t = waitForFrame(stream.get());
    EXPECT_EQ(t.length, QV_MAX_FRAME_BYTES);
    EXPECT_EQ(t.bytes, longest);
    ASSERT_TRUE(camera.send(streamwire::boundaryRecord(small, {})));
    EXPECT_EQ(waitForFrame(stream.get()).bytes, small);
}

TEST(PreviewStreamTest, OnlyTheCameraItselfIsListenedTo)
{
    const char *ip = "127.13.5.1";
    FakeCameraUdp camera(ip);
    FakeCameraTcp silentTcp(ip);
    IntruderUdp intruder("127.13.5.2");
    ASSERT_TRUE(camera.ready() && silentTcp.ready());
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
    camera.sendAll(streamwire::packets66(real, f));

    Taken t = waitForFrame(stream.get());
    EXPECT_EQ(t.bytes, real);
    // The forged frame went in first, so it would be queued already.
    Bytes buffer(QV_MAX_FRAME_BYTES);
    EXPECT_EQ(QV_GetVideoFrame(stream.get(), buffer.data(), nullptr), 0);
    // The keep-alive still goes to the camera, not to whoever sent last.
    EXPECT_TRUE(camera.waitForControl(1, 2000));
    EXPECT_FALSE(intruder.receivedAnything());
}

TEST(PreviewStreamTest, ConnectedFollowsTheCameraDatagrams)
{
    const char *ip = "127.13.6.1";
    FakeCameraUdp camera(ip);
    FakeCameraTcp silentTcp(ip);
    ASSERT_TRUE(camera.ready() && silentTcp.ready());
    qv::PreviewOptions o = quickOptions();
    o.udpReceiveTimeoutMs = 20;
    o.silentPassesBeforeDisconnect = 5;
    auto stream = PreviewStream::start(ip, o);
    ASSERT_TRUE(stream);
    ASSERT_TRUE(camera.waitForControl(1, 3000));
    EXPECT_FALSE(QV_IsDeviceConnected(stream.get()));

    camera.send(Bytes{0x01, 0x02, 0x03}); // any datagram from the camera counts
    EXPECT_TRUE(eventually([&] { return QV_IsDeviceConnected(stream.get()) == 1; }));
    // Silence for more than five empty passes.
    EXPECT_TRUE(eventually([&] { return QV_IsDeviceConnected(stream.get()) == 0; }));
}

TEST(PreviewStreamTest, StopsPromptlyWithTheCameraAbsent)
{
    auto begin = Clock::now();
    PreviewStream *stream = QV_StartPreview("127.13.7.1");
    ASSERT_NE(stream, nullptr);
    Bytes buffer(16, 0xAA);
    FrameInfo info{7, 7};
    EXPECT_EQ(QV_GetVideoFrame(stream, buffer.data(), &info), 0);
    EXPECT_EQ(buffer, Bytes(16, 0xAA)); // nothing written without a frame
    EXPECT_EQ(info.low, 7u);
    EXPECT_FALSE(QV_IsDeviceConnected(stream));
    auto stopAt = Clock::now();
    QV_StopPreview(stream);
    auto stopped = Clock::now();
    // The receive time-outs bound a stop at about 3 s; a receive is never
    // waited out in full.
    EXPECT_LT(stopped - stopAt, std::chrono::milliseconds(3000));
    std::printf("stop took %lld ms (stream lived %lld ms)\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(stopped - stopAt).count()),
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(stopped - begin).count()));
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
    ASSERT_EQ(waitForFrame(stream.get()).bytes, picture);
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
    EXPECT_EQ(waitForFrame(a.get()).bytes, pa);
    EXPECT_EQ(waitForFrame(b.get()).bytes, pb);
}

} // namespace
