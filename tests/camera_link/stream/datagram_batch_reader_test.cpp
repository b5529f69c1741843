// SPDX-License-Identifier: GPL-3.0-or-later

// The batched datagram reader against a fake camera on a loopback address
// of its own (127.13.20.<test>): datagrams come out one by one, whole and in
// order across batch boundaries, each naming its sender as the link's peer,
// with a plain receive's answers for oversized datagrams and silence.

#include "fake_camera.h"
#include "stream/datagram_batch_reader.h"
#include "transport/udp_link.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes numbered(size_t length, int number)
{
    Bytes d(length);
    for (size_t i = 0; i < length; ++i)
        d[i] = static_cast<uint8_t>(number * 7 + i);
    return d;
}

// A link to the camera that the camera has heard from, so the camera knows
// where to send.
struct Conversation {
    explicit Conversation(const char *ip) : camera(ip)
    {
        link = qv::openUdpLink(ip, 8030, 50);
        if (!link || !camera.ready())
            return;
        uint8_t start[24] = {0x99, 0x99, 0x01, 0x00};
        qv::linkSend(link, start, sizeof start);
        ready = camera.waitForControl(1, 2000);
        cameraAddress = link->peer;
    }
    ~Conversation() { qv::closeUdpLink(link); }

    FakeCameraUdp camera;
    UdpLink *link = nullptr;
    sockaddr_in cameraAddress{};
    bool ready = false;
};

bool samePeer(const sockaddr_in &a, const sockaddr_in &b)
{
    return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

TEST(DatagramBatchReaderTest, ARunLongerThanSeveralBatchesComesOutWholeAndInOrder)
{
    Conversation c("127.13.20.1");
    ASSERT_TRUE(c.ready);
    const int count = 3 * qv::DatagramBatchReader::kBatchSize + 5;
    std::vector<Bytes> sent;
    for (int i = 0; i < count; ++i) {
        sent.push_back(numbered(1 + static_cast<size_t>(i * 37 % 1390), i));
        c.camera.send(sent.back());
    }

    qv::DatagramBatchReader reader(c.link, 1400);
    for (int i = 0; i < count; ++i) {
        const uint8_t *data = nullptr;
        const int n = reader.next(data);
        ASSERT_EQ(n, static_cast<int>(sent[i].size())) << i;
        EXPECT_EQ(Bytes(data, data + n), sent[i]) << i;
        EXPECT_TRUE(samePeer(c.link->peer, c.cameraAddress)) << i;
    }
    // Silence: a time-out, and the peer stays where it was.
    const uint8_t *data = nullptr;
    EXPECT_EQ(reader.next(data), -1);
    EXPECT_TRUE(samePeer(c.link->peer, c.cameraAddress));

    // After the quiet spell the reader blocks again and wakes for the next run.
    c.camera.send(numbered(10, 99));
    ASSERT_EQ(reader.next(data), 10);
    EXPECT_EQ(Bytes(data, data + 10), numbered(10, 99));
}

TEST(DatagramBatchReaderTest, EachDatagramNamesItsOwnSenderAndOversizedOnesFail)
{
    Conversation c("127.13.20.2");
    IntruderUdp intruder("127.13.20.3");
    ASSERT_TRUE(c.ready);
    const int capacity = 100;
    c.camera.send(numbered(capacity, 1));     // fits exactly
    intruder.sendTo(c.camera.receiver(), numbered(20, 2));     // somebody else
    c.camera.send(numbered(capacity + 1, 3)); // one byte too many
    c.camera.send(numbered(5, 4));

    qv::DatagramBatchReader reader(c.link, capacity);
    const uint8_t *data = nullptr;
    ASSERT_EQ(reader.next(data), capacity);
    EXPECT_EQ(Bytes(data, data + capacity), numbered(capacity, 1));
    EXPECT_TRUE(samePeer(c.link->peer, c.cameraAddress));

    ASSERT_EQ(reader.next(data), 20);
    EXPECT_EQ(Bytes(data, data + 20), numbered(20, 2));
    EXPECT_EQ(c.link->peer.sin_port, htons(intruder.port()));
    EXPECT_NE(c.link->peer.sin_addr.s_addr, c.cameraAddress.sin_addr.s_addr);

    EXPECT_EQ(reader.next(data), -1); // truncated, yet its sender is known
    EXPECT_TRUE(samePeer(c.link->peer, c.cameraAddress));

    ASSERT_EQ(reader.next(data), 5);
    EXPECT_EQ(Bytes(data, data + 5), numbered(5, 4));
}

} // namespace
