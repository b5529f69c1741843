// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_TILT_ANGLE_H
#define QV_TILT_ANGLE_H

// The camera's tilt angle in radians from its orientation word. Either the
// word carries the angle directly (bit 31 set, thousandths of a degree) or
// three 10-bit acceleration components, from which the angle is computed with
// a little hysteresis so the reported value does not jitter.
//
// Thread rules: belongs to the thread that takes frames (the caller of the
// frame exports); no lock.

#include <cstdint>

namespace qv {

class TiltAngle {
public:
    // -1 for the words that mean "no sensor".
    float update(uint32_t word);

private:
    float lastAngle_ = 0.0f;
};

} // namespace qv

#endif
