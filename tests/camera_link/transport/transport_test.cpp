// SPDX-License-Identifier: GPL-3.0-or-later

// The UDP transport under the commands, the stream and the serial channel.
// Peers are plain sockets on loopback addresses.

#include "qv_camera.h"
#include "transport/udp_link.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

// A datagram socket bound to addr:port (port 0 = any) on loopback.
class Peer {
public:
    explicit Peer(const char *addr, uint16_t port = 0)
    {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        int one = 1;
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        inet_pton(AF_INET, addr, &a.sin_addr);
        bound_ = bind(fd_, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
        timeval tv{1, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    ~Peer() { close(fd_); }
    bool bound() const { return bound_; }
    uint16_t port() const
    {
        sockaddr_in a{};
        socklen_t l = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr *>(&a), &l);
        return ntohs(a.sin_port);
    }
    std::string receive(sockaddr_in *from = nullptr)
    {
        char buf[4096];
        sockaddr_in f{};
        socklen_t l = sizeof f;
        ssize_t n = recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr *>(&f), &l);
        if (from)
            *from = f;
        return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
    }
    void sendTo(const sockaddr_in &to, const std::string &bytes)
    {
        sendto(fd_, bytes.data(), bytes.size(), 0,
               reinterpret_cast<const sockaddr *>(&to), sizeof to);
    }

private:
    int fd_ = -1;
    bool bound_ = false;
};

TEST(UdpLinkTest, UnparsableAddressAimsAtAllOnesWithoutBroadcast)
{
    for (const char *text : {"", "camera", "300.1.1.1", "1.2.3"}) {
        UdpLink *link = qv::openUdpLink(text, 50000, 100);
        ASSERT_NE(link, nullptr) << text;
        EXPECT_EQ(link->peer.sin_addr.s_addr, INADDR_NONE) << text;
        int broadcast = 1;
        socklen_t l = sizeof broadcast;
        getsockopt(link->socket, SOL_SOCKET, SO_BROADCAST, &broadcast, &l);
        EXPECT_EQ(broadcast, 0);
        // Without broadcast permission the send itself fails.
        char byte = 0;
        EXPECT_LT(qv::linkSend(link, &byte, 1), 0) << text;
        qv::closeUdpLink(link);
    }
}

TEST(UdpLinkTest, ReceiveTimesOutAsFailure)
{
    UdpLink *link = qv::openUdpLink("127.0.0.1", 9, 50);
    ASSERT_NE(link, nullptr);
    char buf[16];
    EXPECT_LT(qv::linkReceive(link, buf, sizeof buf), 0);
    qv::closeUdpLink(link);
}

TEST(UdpLinkTest, ReplyFromAnotherHostRedirectsLaterSends)
{
    Peer addressed("127.0.0.1");
    Peer other("127.0.0.2");
    ASSERT_TRUE(addressed.bound() && other.bound());

    UdpLink *link = qv::openUdpLink("127.0.0.1", addressed.port(), 500);
    ASSERT_NE(link, nullptr);
    // The first send reaches the address and port it was opened for.
    ASSERT_EQ(qv::linkSend(link, "ping", 4), 4);
    sockaddr_in client{};
    ASSERT_EQ(addressed.receive(&client), "ping");

    other.sendTo(client, "pong");
    char buf[16];
    ASSERT_EQ(qv::linkReceive(link, buf, sizeof buf), 4);
    EXPECT_EQ(link->peer.sin_addr.s_addr, htonl(0x7F000002));
    EXPECT_EQ(link->peer.sin_port, htons(other.port()));

    ASSERT_EQ(qv::linkSend(link, "again", 5), 5);
    EXPECT_EQ(other.receive(), "again");
    qv::closeUdpLink(link);
}

TEST(SerialChannelTest, ReceiveNeverWritesPast1024Bytes)
{
    Peer bridge("127.0.0.1");
    ASSERT_TRUE(bridge.bound());
    UdpLink *link = QV_InitUartSocket("127.0.0.1");
    ASSERT_NE(link, nullptr);
    // Aim the link at our stand-in bridge instead of port 52100.
    link->peer.sin_port = htons(bridge.port());
    ASSERT_EQ(QV_UartSendData(link, "hello", 5), 5);
    sockaddr_in client{};
    ASSERT_EQ(bridge.receive(&client), "hello");

    std::vector<char> buffer(1024 + 64, '\x5A');
    bridge.sendTo(client, std::string(1024, 'a'));
    EXPECT_EQ(QV_UartRecvData(link, buffer.data()), 1024);

    bridge.sendTo(client, std::string(2000, 'b'));
    EXPECT_EQ(QV_UartRecvData(link, buffer.data()), -1);
    for (size_t i = 1024; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], '\x5A') << "byte " << i << " overwritten";
    QV_DeinitUartSocket(link);
}

TEST(SerialChannelTest, NullLinkIsIgnored)
{
    char buf[1024];
    EXPECT_EQ(QV_UartSendData(nullptr, "x", 1), 0);
    EXPECT_EQ(QV_UartRecvData(nullptr, buf), 0);
    QV_DeinitUartSocket(nullptr);
}

} // namespace
