// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_camera.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in address(const std::string &ip, uint16_t port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    inet_pton(AF_INET, ip.c_str(), &a.sin_addr);
    return a;
}

int boundSocket(int type, const std::string &ip, uint16_t port)
{
    int fd = socket(AF_INET, type, 0);
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a = address(ip, port);
    if (bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool readable(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, timeoutMs) > 0;
}

} // namespace

FakeCameraUdp::FakeCameraUdp(const std::string &ip, uint16_t port)
{
    fd_ = boundSocket(SOCK_DGRAM, ip, port);
    if (fd_ >= 0) {
        int big = 4 << 20;
        setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &big, sizeof big);
    }
}

FakeCameraUdp::~FakeCameraUdp()
{
    if (fd_ >= 0)
        close(fd_);
}

bool FakeCameraUdp::waitForControl(uint16_t code, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (!readable(fd_, static_cast<int>(left > 0 ? left : 0)))
            continue;
        uint8_t buf[64];
        sockaddr_in from{};
        socklen_t len = sizeof from;
        ssize_t n = recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr *>(&from), &len);
        if (n == 24 && buf[0] == 0x99 && buf[1] == 0x99 && (buf[2] | (buf[3] << 8)) == code) {
            receiver_ = from;
            return true;
        }
    }
    return false;
}

void FakeCameraUdp::send(const std::vector<uint8_t> &datagram)
{
    sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr *>(&receiver_),
           sizeof receiver_);
}

IntruderUdp::IntruderUdp(const std::string &ip) { fd_ = boundSocket(SOCK_DGRAM, ip, 0); }

IntruderUdp::~IntruderUdp()
{
    if (fd_ >= 0)
        close(fd_);
}

void IntruderUdp::sendTo(const sockaddr_in &to, const std::vector<uint8_t> &datagram)
{
    sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr *>(&to), sizeof to);
}

bool IntruderUdp::receivedAnything()
{
    uint8_t buf[64];
    return recv(fd_, buf, sizeof buf, MSG_DONTWAIT) >= 0;
}

uint16_t IntruderUdp::port() const
{
    sockaddr_in a{};
    socklen_t l = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr *>(&a), &l);
    return ntohs(a.sin_port);
}

FakeCameraTcp::FakeCameraTcp(const std::string &ip, uint16_t port)
{
    listener_ = boundSocket(SOCK_STREAM, ip, port);
    if (listener_ >= 0 && listen(listener_, 4) != 0) {
        close(listener_);
        listener_ = -1;
    }
}

FakeCameraTcp::~FakeCameraTcp()
{
    for (int fd : {client_, listener_})
        if (fd >= 0)
            close(fd);
}

bool FakeCameraTcp::accept(int timeoutMs)
{
    if (!readable(listener_, timeoutMs))
        return false;
    if (client_ >= 0)
        close(client_);
    client_ = ::accept(listener_, nullptr, nullptr);
    return client_ >= 0;
}

bool FakeCameraTcp::send(const std::vector<uint8_t> &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::send(client_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool FakeCameraTcp::closedByReceiver(int timeoutMs)
{
    uint8_t byte = 0;
    return client_ >= 0 && readable(client_, timeoutMs) && ::recv(client_, &byte, 1, 0) == 0;
}

