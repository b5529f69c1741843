// SPDX-License-Identifier: LGPL-2.1-or-later

#include "command_state.h"

namespace qv {

namespace {
uint32_t sequence = 0;
uint8_t replyBytes[kReplyBufferBytes];
} // namespace

uint32_t nextCommandSequence() { return ++sequence; }

uint32_t commandSequence() { return sequence; }

uint8_t *replyBuffer() { return replyBytes; }

} // namespace qv
