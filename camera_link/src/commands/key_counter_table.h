// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_KEY_COUNTER_TABLE_H
#define QV_KEY_COUNTER_TABLE_H

// Remembers, per camera, the last key-event counter seen, so that key polling
// reports each hardware key press once. Cameras are told apart by the last
// octet of their address (256 entries). An entry of kUnseen means nothing was
// seen yet: the first poll only learns the counter.
//
// Thread rules: none; used by the command exports, which run on one thread at
// a time. The library-wide instance lives as long as the library.

#include "setcmd_payloads.h"

#include <cstdint>

namespace qv {

class KeyCounterTable {
public:
    static constexpr int32_t kUnseen = 1000;

    // Sets every entry to kUnseen the first time it is called, never again.
    void initialiseOnce();

    // Returns the key code if the camera's counter moved, else 0.
    int observe(uint8_t camera, const KeyReport &report);

    int32_t entry(uint8_t camera) const { return entries_[camera]; }

private:
    int32_t entries_[256] = {};
    bool needsInitialising_ = true;
};

KeyCounterTable &keyCounterTable();

// Last octet of a dotted address; texts that do not parse stand for the
// all-ones address, so 255.
uint8_t keyTableIndex(const char *ip);

} // namespace qv

#endif
