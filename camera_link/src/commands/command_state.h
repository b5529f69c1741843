// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_COMMAND_STATE_H
#define QV_COMMAND_STATE_H

// The state the command exports share for the library's lifetime: the
// sequence counter written into every request and the reply buffer of the
// SETCMD family. (The key-event table lives in key_counter_table.h.)
//
// Thread rules: none. The command exports are called from one thread at a
// time, as the public header says; this state has no lock on purpose.

#include <cstdint>

namespace qv {

constexpr int kReplyBufferBytes = 1024;

// Increments the counter and returns its new value: call once per command,
// after its argument checks and before its request is built.
uint32_t nextCommandSequence();

// The counter's current value (tests and diagnostics).
uint32_t commandSequence();

// The SETCMD commands' receive buffer, kReplyBufferBytes long.
uint8_t *replyBuffer();

} // namespace qv

#endif
