// SPDX-License-Identifier: GPL-3.0-or-later

#include "stream/sim_stream_sockets.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace camsim {

namespace {

int boundSocket(const std::string &address, int port, int type)
{
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, address.c_str(), &at.sin_addr) != 1)
        return -1;
    int fd = socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    // TCP needs it to listen again right after a pause; UDP must not have
    // it, since on Linux it lets a second simulator share the port silently.
    if (type == SOCK_STREAM) {
        int one = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    }
    if (bind(fd, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int bindUdpSocket(const std::string &address, int port)
{
    int fd = boundSocket(address, port, SOCK_DGRAM);
    if (fd >= 0) {
        int bytes = 4 << 20;
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
    }
    return fd;
}

int listenTcpSocket(const std::string &address, int port)
{
    int fd = boundSocket(address, port, SOCK_STREAM);
    if (fd >= 0 && listen(fd, 4) != 0)
        closeQuietly(fd);
    return fd;
}

void closeQuietly(int &fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace camsim
