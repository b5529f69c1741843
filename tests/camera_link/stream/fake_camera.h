// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTS_FAKE_CAMERA_H
#define TESTS_FAKE_CAMERA_H

// The camera's end of the stream sockets, on a loopback address of the
// test's own: a UDP socket on the stream port that learns where the receiver
// is from its start datagram, and a TCP listener on the stream port.

#include <cstdint>
#include <netinet/in.h>
#include <string>
#include <vector>

class FakeCameraUdp {
public:
    explicit FakeCameraUdp(const std::string &ip, uint16_t port = 8030);
    ~FakeCameraUdp();
    bool ready() const { return fd_ >= 0; }

    // Reads datagrams until a stream control datagram with this code arrives
    // (remembering its sender as the receiver) or the time is up.
    bool waitForControl(uint16_t code, int timeoutMs);
    // Every datagram goes to the receiver learnt above.
    void send(const std::vector<uint8_t> &datagram);
    const sockaddr_in &receiver() const { return receiver_; }

private:
    int fd_ = -1;
    sockaddr_in receiver_{};
};

// Another host on the network: sends from its own address and notices
// anything sent to it.
class IntruderUdp {
public:
    explicit IntruderUdp(const std::string &ip);
    ~IntruderUdp();
    void sendTo(const sockaddr_in &to, const std::vector<uint8_t> &datagram);
    bool receivedAnything(); // non-blocking check
    uint16_t port() const;

private:
    int fd_ = -1;
};

class FakeCameraTcp {
public:
    explicit FakeCameraTcp(const std::string &ip, uint16_t port = 7060);
    ~FakeCameraTcp();
    bool ready() const { return listener_ >= 0; }

    bool accept(int timeoutMs);
    bool send(const std::vector<uint8_t> &bytes);
    // Whether the receiver ends the accepted connection within the time.
    bool closedByReceiver(int timeoutMs);

private:
    int listener_ = -1;
    int client_ = -1;
};

#endif
