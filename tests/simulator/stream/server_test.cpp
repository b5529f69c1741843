// The stream senders on loopback: who gets frames, for how long, in which
// format. Each test plays the camera on its own address 127.61.<n>.1.

#include "reference_decoders.h"
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

// Deterministic stand-in for the scene: no OpenCV on the sender thread.
class PatternSource : public camsim::FrameSource {
public:
    static std::vector<uint8_t> bytesFor(uint32_t counter)
    {
        std::vector<uint8_t> body(9000 + counter % 7);
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
        camsim::SourceFrame f;
        f.jpeg = bytesFor(counter);
        f.width = 320;
        f.height = 240;
        return f;
    }
};

sockaddr_in endpoint(const std::string &ip, int port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, ip.c_str(), &a.sin_addr);
    return a;
}

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

// A receiver's stream socket: sends control datagrams, reads frames.
class UdpViewer {
public:
    explicit UdpViewer(const std::string &camera) : camera_(endpoint(camera, 8030))
    {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        int bytes = 8 << 20;
        setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
        setTimeout(2000);
    }
    ~UdpViewer() { close(fd_); }
    void setTimeout(int ms)
    {
        timeval tv{ms / 1000, (ms % 1000) * 1000};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    void control(uint16_t code)
    {
        uint8_t d[24] = {0x99, 0x99, static_cast<uint8_t>(code), 0};
        sendto(fd_, d, sizeof d, 0, reinterpret_cast<sockaddr *>(&camera_), sizeof camera_);
    }
    bool receive(std::vector<uint8_t> &d)
    {
        d.resize(4096);
        const ssize_t n = recv(fd_, d.data(), d.size(), 0);
        if (n < 0)
            return false;
        d.resize(static_cast<size_t>(n));
        return true;
    }

private:
    sockaddr_in camera_;
    int fd_;
};

struct Case {
    camsim::StreamTransport transport;
    int packetSize;
    const char *address;
};

class UdpTransports : public ::testing::TestWithParam<Case> {};

TEST_P(UdpTransports, FramesReachTheViewerWithConsecutiveCounters)
{
    PatternSource source;
    camsim::StreamServer server(GetParam().address, source);
    camsim::StreamSettings settings;
    settings.transport = GetParam().transport;
    settings.packetSize = GetParam().packetSize;
    settings.fps = 60;
    ASSERT_TRUE(server.start(settings));

    UdpViewer viewer(GetParam().address);
    viewer.control(1);
    reference::Udp66Assembler a66(static_cast<size_t>(settings.packetSize));
    reference::Udp3Assembler a3(static_cast<size_t>(settings.packetSize));
    std::vector<uint32_t> counters;
    std::vector<uint8_t> d;
    while (counters.size() < 5 && viewer.receive(d)) {
        reference::Frame frame;
        const bool done = settings.transport == camsim::StreamTransport::Udp66
                              ? a66.feed(d, frame)
                              : a3.feed(d, frame);
        if (!done)
            continue;
        uint32_t tagged = 0;
        ASSERT_TRUE(camsim::readFrameTag(frame.bytes.data(), frame.bytes.size(), tagged));
        EXPECT_EQ(frame.info, tagged);
        EXPECT_EQ(frame.bytes, PatternSource::bytesFor(tagged));
        EXPECT_EQ(frame.width, 320u);
        EXPECT_EQ(frame.height, 240u);
        counters.push_back(tagged);
    }
    ASSERT_EQ(counters.size(), 5u);
    for (size_t i = 1; i < counters.size(); ++i)
        EXPECT_EQ(counters[i], counters[i - 1] + 1);
    // The sender notes a frame once its last datagram is out, which may be
    // just after the viewer read it.
    camsim::StreamStats::Clock::time_point sent;
    EXPECT_TRUE(eventually([&] { return server.stats().lastByteSent(counters.back(), sent); }));
    EXPECT_GE(server.stats().counts().framesSent, 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, UdpTransports,
    ::testing::Values(Case{camsim::StreamTransport::Udp66, 1390, "127.61.1.1"},
                      Case{camsim::StreamTransport::Udp3, 2900, "127.61.2.1"},
                      Case{camsim::StreamTransport::Udp3Plain, 1388, "127.61.3.1"}),
    [](const ::testing::TestParamInfo<Case> &info) {
        std::string name = camsim::transportName(info.param.transport);
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

TEST(UdpStream, StopDatagramEndsTheSubscription)
{
    PatternSource source;
    camsim::StreamServer server("127.61.4.1", source);
    ASSERT_TRUE(server.start({}));
    UdpViewer viewer("127.61.4.1");
    viewer.control(1);
    std::vector<uint8_t> d;
    ASSERT_TRUE(viewer.receive(d));
    viewer.control(2);
    ASSERT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
    // Frames are made only for subscribers: the count stands still.
    const uint64_t sent = server.stats().counts().framesSent;
    viewer.setTimeout(100);
    while (viewer.receive(d)) {
    }
    EXPECT_EQ(server.stats().counts().framesSent, sent);
}

TEST(UdpStream, SilenceEndsTheSubscription)
{
    PatternSource source;
    camsim::StreamServer server("127.61.5.1", source);
    camsim::StreamSettings settings;
    settings.keepAliveTimeoutMs = 100;
    ASSERT_TRUE(server.start(settings));
    UdpViewer viewer("127.61.5.1");
    viewer.control(1);
    std::vector<uint8_t> d;
    ASSERT_TRUE(viewer.receive(d));
    EXPECT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
}

TEST(UdpStream, PausedCameraIsGoneAndComesBack)
{
    PatternSource source;
    camsim::StreamServer server("127.61.6.1", source);
    ASSERT_TRUE(server.start({}));
    UdpViewer viewer("127.61.6.1");
    viewer.control(1);
    std::vector<uint8_t> d;
    ASSERT_TRUE(viewer.receive(d));

    server.setPaused(true);
    ASSERT_TRUE(eventually([&] { return server.receiverCount() == 0; }));
    const uint64_t sent = server.stats().counts().framesSent;
    viewer.control(1); // ignored while gone
    viewer.setTimeout(100);
    while (viewer.receive(d)) {
    }
    EXPECT_EQ(server.stats().counts().framesSent, sent);
    EXPECT_EQ(server.receiverCount(), 0u);

    server.setPaused(false);
    viewer.setTimeout(2000);
    viewer.control(1);
    ASSERT_TRUE(viewer.receive(d));
    EXPECT_TRUE(eventually([&] { return server.stats().counts().framesSent > sent; }));
}

TEST(UdpStream, SecondServerOnTheSameAddressCannotStart)
{
    PatternSource source;
    camsim::StreamServer first("127.61.7.1", source);
    camsim::StreamServer second("127.61.7.1", source);
    ASSERT_TRUE(first.start({}));
    EXPECT_FALSE(second.start({}));
    camsim::StreamSettings bad;
    camsim::StreamServer nowhere("not-an-address", source);
    EXPECT_FALSE(nowhere.start(bad));
}

TEST(UdpStream, FaultKnobsTakeEffectWhileRunning)
{
    PatternSource source;
    camsim::StreamServer server("127.61.10.1", source);
    ASSERT_TRUE(server.start({}));
    UdpViewer viewer("127.61.10.1");
    viewer.control(1);
    std::vector<uint8_t> d;
    ASSERT_TRUE(viewer.receive(d));

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
    ASSERT_TRUE(eventually([&] { return server.stats().counts().datagramsSent > before.datagramsSent; }));
}

int connectTo(const std::string &ip)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at = endpoint(ip, 7060);
    if (connect(fd, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0) {
        close(fd);
        return -1;
    }
    timeval tv{2, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    return fd;
}

TEST(TcpStream, RecordsCarryConsecutiveFramesUntilTheCameraGoes)
{
    PatternSource source;
    camsim::StreamServer server("127.61.8.1", source);
    camsim::StreamSettings settings;
    settings.transport = camsim::StreamTransport::Tcp;
    settings.fps = 60;
    settings.tcpTrailingPad = 3;
    ASSERT_TRUE(server.start(settings));
    const int fd = connectTo("127.61.8.1");
    ASSERT_GE(fd, 0);

    reference::RecordReader reader;
    std::vector<reference::Record> records;
    uint8_t chunk[32768];
    while (records.size() < 4) {
        const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        ASSERT_GT(n, 0);
        for (auto &r : reader.feed(chunk, static_cast<size_t>(n)))
            records.push_back(std::move(r));
    }
    for (size_t i = 0; i < records.size(); ++i) {
        const auto &r = records[i];
        EXPECT_EQ(r.type, 0);
        EXPECT_EQ(r.declared, r.payload.size());
        EXPECT_EQ(r.width, 320u);
        if (i > 0) {
            EXPECT_EQ(r.frameWord, records[i - 1].frameWord + 1);
        }
        const auto expected = PatternSource::bytesFor(r.frameWord);
        ASSERT_EQ(r.payload.size(), expected.size() + 3);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), r.payload.begin()));
    }

    server.setPaused(true);
    ssize_t n = 0;
    while ((n = recv(fd, chunk, sizeof chunk, 0)) > 0) {
    }
    EXPECT_EQ(n, 0) << "the camera closes the connection";
    close(fd);
    EXPECT_LT(connectTo("127.61.8.1"), 0) << "and refuses new ones while gone";

    server.setPaused(false);
    int again = -1;
    EXPECT_TRUE(eventually([&] { return (again = connectTo("127.61.8.1")) >= 0; }));
    ASSERT_GE(again, 0);
    EXPECT_GT(recv(again, chunk, sizeof chunk, 0), 0);
    close(again);
}

TEST(TcpStream, GarbageBetweenRecordsLeavesRecordsIntact)
{
    PatternSource source;
    camsim::StreamServer server("127.61.9.1", source);
    camsim::StreamSettings settings;
    settings.transport = camsim::StreamTransport::Tcp;
    settings.fps = 100;
    settings.faults.garbage = 1.0;
    ASSERT_TRUE(server.start(settings));
    const int fd = connectTo("127.61.9.1");
    ASSERT_GE(fd, 0);
    reference::RecordReader reader;
    size_t records = 0;
    uint8_t chunk[32768];
    while (records < 3) {
        const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        ASSERT_GT(n, 0);
        for (const auto &r : reader.feed(chunk, static_cast<size_t>(n))) {
            EXPECT_EQ(r.payload, PatternSource::bytesFor(r.frameWord));
            ++records;
        }
    }
    close(fd);
    EXPECT_TRUE(eventually([&] { return server.stats().faultCounters().garbage >= 3u; }));
}

} // namespace
