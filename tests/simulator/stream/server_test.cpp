// SPDX-License-Identifier: GPL-3.0-or-later

// The simulated camera's stream on loopback, received by the library's
// preview stream through its C interface: every format end to end, the
// subscription rules, the camera going away and coming back, and the fault
// knobs. Each test plays the camera on its own address 127.61.<n>.1.

#include "qv_camera.h"
#include "stream/preview_stream.h"
#include "stream/sim_stream_jpeg_tags.h"
#include "stream/sim_stream_server.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

// Deterministic stand-in for the scene: no OpenCV on the sender thread.
class PatternSource : public camsim::FrameSource {
public:
    static Bytes bytesFor(uint32_t counter)
    {
        Bytes body(9000 + counter % 7);
        for (size_t i = 0; i < body.size(); ++i)
            body[i] = static_cast<uint8_t>(i * 31 + counter);
        body[0] = 0xFF;
        body[1] = 0xD8;
        body[body.size() - 2] = 0xFF;
        body[body.size() - 1] = 0xD9;
        return camsim::withFrameTag(body, counter);
    }
    camsim::SourceFrame frame(uint32_t counter, size_t) override
    {
        return {bytesFor(counter), 320, 240};
    }
};

bool eventually(const std::function<bool()> &condition)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

struct Taken {
    int length = 0;
    Bytes bytes;
    FrameInfo info{};
    int kind = 0;
    uint32_t counter = 0; // from the frame tag
};

// Polls like the application's worker until a frame arrives or time is up.
Taken takeFrame(PreviewStream *stream)
{
    static thread_local Bytes buffer(QV_MAX_FRAME_BYTES);
    Taken t;
    eventually([&] {
        t.length = QV_GetVideoFrame2(stream, buffer.data(), &t.info, &t.kind);
        return t.length > 0;
    });
    if (t.length > 0) {
        t.bytes.assign(buffer.begin(), buffer.begin() + t.length);
        camsim::readFrameTag(t.bytes.data(), t.bytes.size(), t.counter);
    }
    return t;
}

// Nothing queued any more.
void drain(PreviewStream *stream)
{
    static thread_local Bytes buffer(QV_MAX_FRAME_BYTES);
    while (QV_GetVideoFrame(stream, buffer.data(), nullptr) > 0) {
    }
}

qv::PreviewOptions quickOptions()
{
    qv::PreviewOptions o;
    o.udpReceiveTimeoutMs = 20;
    o.keepAliveIntervalMs = 50;
    o.silentPassesBeforeDisconnect = 5;
    return o;
}

sockaddr_in endpoint(const std::string &ip, int port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, ip.c_str(), &a.sin_addr);
    return a;
}

// A stream socket that sent one start datagram to the camera and then
// stays silent.
int subscribeOnce(const std::string &ip)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    const uint8_t start[24] = {0x99, 0x99, 1, 0};
    const sockaddr_in camera = endpoint(ip, 8030);
    sendto(fd, start, sizeof start, 0, reinterpret_cast<const sockaddr *>(&camera), sizeof camera);
    return fd;
}

bool tcpConnects(const std::string &ip)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in at = endpoint(ip, 7060);
    const bool ok = connect(fd, reinterpret_cast<const sockaddr *>(&at), sizeof at) == 0;
    close(fd);
    return ok;
}

struct Case {
    camsim::StreamTransport transport;
    int packetSize;
    const char *address;
};

void PrintTo(const Case &c, std::ostream *os) { *os << camsim::transportName(c.transport); }

class Transports : public ::testing::TestWithParam<Case> {};

TEST_P(Transports, FramesReachTheCallerByteExactUntilTheStreamStops)
{
    const Case c = GetParam();
    const bool tcp = c.transport == camsim::StreamTransport::Tcp;
    PatternSource source;
    camsim::StreamServer server(c.address, source);
    camsim::StreamSettings settings;
    settings.transport = c.transport;
    settings.packetSize = c.packetSize;
    settings.fps = 20;
    settings.kind = 4;
    settings.tilt = 0x80000000u + 90000;
    settings.keepAliveTimeoutMs = 60000; // only the stop datagram ends the subscription
    // The receiver trims padding after the end marker and skips garbage
    // between records.
    settings.tcpTrailingPad = 3;
    settings.faults.garbage = tcp ? 1.0 : 0.0;
    ASSERT_TRUE(server.start(settings));
    PreviewStream *stream = QV_StartPreview(c.address);
    ASSERT_NE(stream, nullptr);

    // Type-3 receivers learn a packet size other than 1390 from the first
    // full datagrams, so the first frame may arrive garbled.
    std::vector<uint32_t> counters;
    for (int taken = 0; counters.size() < 4 && taken < 8; ++taken) {
        const Taken t = takeFrame(stream);
        ASSERT_GT(t.length, 0) << "no frame";
        if (t.bytes != PatternSource::bytesFor(t.counter)) {
            counters.clear();
            continue;
        }
        EXPECT_EQ(t.kind, 4);
        EXPECT_EQ(t.info.low, tcp ? 0u : t.counter) << "the info word is the frame counter";
        EXPECT_EQ(t.info.high, 0u);
        counters.push_back(t.counter);
    }
    ASSERT_EQ(counters.size(), 4u);
    for (size_t i = 1; i < counters.size(); ++i)
        EXPECT_EQ(counters[i], counters[i - 1] + 1);
    int kind = 0, width = 0, height = 0;
    EXPECT_EQ(QV_GetVideoParams(stream, &kind, &width, &height), 1);
    EXPECT_EQ(kind, 4);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    EXPECT_EQ(QV_IsDeviceConnected(stream), 1);
    Bytes buffer(QV_MAX_FRAME_BYTES);
    float degree = 0;
    ASSERT_TRUE(eventually([&] { return QV_GetVideoFrameWithDegree(stream, buffer.data(), &degree) > 0; }));
    EXPECT_NEAR(degree, 1.5708f, 1e-3f);
    // The sender notes when each frame's last byte left.
    camsim::StreamStats::Clock::time_point sent;
    EXPECT_TRUE(server.stats().lastByteSent(counters.back(), sent));
    if (tcp) {
        EXPECT_TRUE(eventually([&] { return server.stats().faultCounters().garbage >= 4; }));
    }

    // Stopping tells the camera (or closes the connection); it then makes
    // no more frames.
    QV_StopPreview(stream);
    ASSERT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
    const uint64_t made = server.stats().counts().framesSent;
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(server.stats().counts().framesSent, made);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Transports,
    ::testing::Values(Case{camsim::StreamTransport::Udp66, 1390, "127.61.1.1"},
                      Case{camsim::StreamTransport::Udp3, 2900, "127.61.2.1"},
                      Case{camsim::StreamTransport::Udp3Plain, 1388, "127.61.3.1"},
                      Case{camsim::StreamTransport::Tcp, 1390, "127.61.4.1"}),
    [](const ::testing::TestParamInfo<Case> &info) {
        std::string name = camsim::transportName(info.param.transport);
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

TEST(UdpStream, CameraGoneAndBackIsSeenAndTheKeepAliveResubscribes)
{
    const char *ip = "127.61.6.1";
    PatternSource source;
    camsim::StreamServer server(ip, source);
    ASSERT_TRUE(server.start({}));
    auto stream = PreviewStream::start(ip, quickOptions());
    ASSERT_TRUE(stream);
    const uint32_t before = takeFrame(stream.get()).counter;
    EXPECT_EQ(QV_IsDeviceConnected(stream.get()), 1);

    server.setPaused(true);
    ASSERT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
    EXPECT_TRUE(eventually([&] { return QV_IsDeviceConnected(stream.get()) == 0; }));
    // The keep-alives keep coming but a camera that is gone ignores them.
    const uint64_t made = server.stats().counts().framesSent;
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(server.stats().counts().framesSent, made);
    EXPECT_EQ(server.receiverCount(), 0u);
    drain(stream.get());

    server.setPaused(false);
    EXPECT_GT(takeFrame(stream.get()).counter, before);
    EXPECT_EQ(QV_IsDeviceConnected(stream.get()), 1);
}

TEST(TcpStream, CameraGoneClosesTheConnectionAndTheReceiverConnectsAgain)
{
    const char *ip = "127.61.8.1";
    PatternSource source;
    camsim::StreamServer server(ip, source);
    camsim::StreamSettings settings;
    settings.transport = camsim::StreamTransport::Tcp;
    ASSERT_TRUE(server.start(settings));
    // The UDP side hears nothing from a TCP camera; here it must not be the
    // one to declare the camera gone.
    qv::PreviewOptions o = quickOptions();
    o.silentPassesBeforeDisconnect = 1000000;
    auto stream = PreviewStream::start(ip, o);
    ASSERT_TRUE(stream);
    const uint32_t before = takeFrame(stream.get()).counter;
    EXPECT_EQ(QV_IsDeviceConnected(stream.get()), 1);

    server.setPaused(true);
    EXPECT_TRUE(eventually([&] { return QV_IsDeviceConnected(stream.get()) == 0; }));
    EXPECT_FALSE(tcpConnects(ip)) << "a camera that is gone refuses connections";
    drain(stream.get());

    server.setPaused(false);
    EXPECT_GT(takeFrame(stream.get()).counter, before);
    EXPECT_EQ(QV_IsDeviceConnected(stream.get()), 1);
}

TEST(UdpStream, SilenceEndsTheSubscription)
{
    PatternSource source;
    camsim::StreamServer server("127.61.5.1", source);
    camsim::StreamSettings settings;
    settings.keepAliveTimeoutMs = 100;
    ASSERT_TRUE(server.start(settings));
    const int fd = subscribeOnce("127.61.5.1");
    // Frames are made only for subscribers.
    EXPECT_TRUE(eventually([&] { return server.stats().counts().framesSent > 0; }));
    EXPECT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
    close(fd);
}

TEST(UdpStream, SecondServerOnTheSameAddressCannotStart)
{
    PatternSource source;
    camsim::StreamServer first("127.61.7.1", source);
    camsim::StreamServer second("127.61.7.1", source);
    ASSERT_TRUE(first.start({}));
    EXPECT_FALSE(second.start({}));
    camsim::StreamServer nowhere("not-an-address", source);
    EXPECT_FALSE(nowhere.start({}));
}

TEST(UdpStream, FaultKnobsTakeEffectWhileRunning)
{
    PatternSource source;
    camsim::StreamServer server("127.61.10.1", source);
    camsim::StreamSettings settings;
    settings.keepAliveTimeoutMs = 60000; // the one start datagram lasts the test
    ASSERT_TRUE(server.start(settings));
    const int fd = subscribeOnce("127.61.10.1");
    ASSERT_TRUE(eventually([&] { return server.stats().counts().datagramsSent > 0; }));

    camsim::StreamFaults faults;
    faults.loss = 1.0;
    server.setFaults(faults);
    // Fault counters are published after a frame is done, so once a drop
    // shows, every later frame is made under the new knobs.
    ASSERT_TRUE(eventually([&] { return server.stats().faultCounters().dropped > 0; }));
    const camsim::StreamCounts before = server.stats().counts();
    ASSERT_TRUE(eventually([&] { return server.stats().counts().framesSent >= before.framesSent + 3; }));
    EXPECT_EQ(server.stats().counts().datagramsSent, before.datagramsSent);

    server.setFaults({});
    EXPECT_TRUE(eventually([&] { return server.stats().counts().datagramsSent > before.datagramsSent; }));
    close(fd);
}

} // namespace
