// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_SOCKETS_H
#define CAMSIM_STREAM_SOCKETS_H

// Socket set-up for the stream senders (POSIX). All sockets are
// non-blocking; the senders wait in poll().
//
// Thread rules: stateless; callable from any thread.

#include <string>

namespace camsim {

// -1 on failure (bad address, port in use, ...).
int bindUdpSocket(const std::string &address, int port);
int listenTcpSocket(const std::string &address, int port);
void closeQuietly(int &fd);

} // namespace camsim

#endif
