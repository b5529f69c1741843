// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_udp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace camsim {

SimUdpSocket::~SimUdpSocket()
{
    for (int fd : {fd_, wakeRead_, wakeWrite_})
        if (fd >= 0)
            ::close(fd);
}

bool SimUdpSocket::open(const std::string &address, uint16_t port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) {
        error_ = "not an IPv4 address: " + address;
        return false;
    }
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
        error_ = "cannot bind " + address + ":" + std::to_string(port) + ": " +
                 std::strerror(errno);
        return false;
    }
    return true;
}

long SimUdpSocket::receive(uint8_t *buffer, size_t capacity, sockaddr_in *from)
{
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (fds[1].revents & POLLIN))
            return kInterrupted;
        if (fds[0].revents & POLLIN)
            break;
    }
    socklen_t length = sizeof(sockaddr_in);
    const ssize_t n = ::recvfrom(fd_, buffer, capacity, 0, reinterpret_cast<sockaddr *>(from),
                                 &length);
    return n < 0 ? kReceiveFailed : static_cast<long>(n);
}

bool SimUdpSocket::sendTo(const uint8_t *bytes, size_t length, const sockaddr_in &to)
{
    return ::sendto(fd_, bytes, length, 0, reinterpret_cast<const sockaddr *>(&to), sizeof to) ==
           static_cast<ssize_t>(length);
}

void SimUdpSocket::interrupt()
{
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] ssize_t ignored = ::write(wakeWrite_, &byte, 1);
    }
}

std::string describeAddress(const sockaddr_in &address)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

} // namespace camsim
