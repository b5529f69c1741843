// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAMSIM_FAULT_SCRIPT_H
#define CAMSIM_FAULT_SCRIPT_H

// Scripted misbehaviour of the simulated camera's command port, so tests can
// reach every failure path of the library without waiting for luck: "the
// next N requests with code C get no reply / a wrong code / ...".
//
// Thread rules: every member function may be called from any thread (tests
// script faults while the responder thread consumes them); one mutex.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace camsim {

enum class FaultKind {
    NoReply,             // swallow the request
    WrongCode,           // answer with another command code
    WrongMagic,          // 0x9999 family: answer with another magic
    LateReply,           // hold the reply back until the next request arrives
    ZeroResolutionCount, // resolution list with count 0
    OtherAddress         // answer from the simulator's second address
};

constexpr int kAnyCode = -1;
constexpr int kForever = -1;

struct Fault {
    int code = kAnyCode; // command code it applies to, or kAnyCode
    FaultKind kind = FaultKind::NoReply;
    int remaining = 1;   // requests it still applies to, or kForever
};

class SimFaultScript {
public:
    void add(const Fault &fault);
    void clear();
    // The fault for a request with this code, counted as used; first match wins.
    std::optional<FaultKind> take(uint16_t code);
    bool empty() const;

private:
    mutable std::mutex mutex_;
    std::vector<Fault> faults_;
};

// "no-reply", "wrong-code", "wrong-magic", "late-reply", "zero-count",
// "other-address".
std::optional<FaultKind> faultKindFromName(const std::string &name);
const char *faultKindName(FaultKind kind);

// "KIND[:CODE[:COUNT]]" with CODE in decimal or 0x-hex (or "any") and COUNT
// a number or "always"; defaults any code, always.
std::optional<Fault> parseFaultSpec(const std::string &spec);

} // namespace camsim

#endif
