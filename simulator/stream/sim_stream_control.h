// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_STREAM_CONTROL_H
#define CAMSIM_STREAM_CONTROL_H

// The receiver's stream control datagram on port 8030: magic 0x9999, a
// 16-bit code (1 = start or keep sending, 2 = stop), then zero bytes. Kept
// header-only so the fuzz target can use it without the simulator library.
//
// Thread rules: stateless; callable from any thread.

#include <cstddef>
#include <cstdint>

namespace camsim {

enum class StreamControl { None, Start, Stop };

inline StreamControl parseStreamControl(const uint8_t *data, size_t length)
{
    if (data == nullptr || length < 4 || data[0] != 0x99 || data[1] != 0x99)
        return StreamControl::None;
    const unsigned code = data[2] | (data[3] << 8);
    if (code == 1)
        return StreamControl::Start;
    if (code == 2)
        return StreamControl::Stop;
    return StreamControl::None;
}

} // namespace camsim

#endif
