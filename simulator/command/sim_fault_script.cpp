// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_fault_script.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace camsim {

namespace {

struct Named {
    const char *name;
    FaultKind kind;
};

constexpr Named kNames[] = {
    {"no-reply", FaultKind::NoReply},
    {"wrong-code", FaultKind::WrongCode},
    {"wrong-magic", FaultKind::WrongMagic},
    {"late-reply", FaultKind::LateReply},
    {"zero-count", FaultKind::ZeroResolutionCount},
    {"other-address", FaultKind::OtherAddress},
};

std::optional<long> parseNumber(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

} // namespace

void SimFaultScript::add(const Fault &fault)
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.push_back(fault);
}

void SimFaultScript::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
}

std::optional<FaultKind> SimFaultScript::take(uint16_t code)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->code != kAnyCode && it->code != code)
            continue;
        const FaultKind kind = it->kind;
        if (it->remaining != kForever && --it->remaining <= 0)
            faults_.erase(it);
        return kind;
    }
    return std::nullopt;
}

bool SimFaultScript::empty() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_.empty();
}

std::optional<FaultKind> faultKindFromName(const std::string &name)
{
    for (const Named &n : kNames)
        if (name == n.name)
            return n.kind;
    return std::nullopt;
}

const char *faultKindName(FaultKind kind)
{
    for (const Named &n : kNames)
        if (n.kind == kind)
            return n.name;
    return "?";
}

std::optional<Fault> parseFaultSpec(const std::string &spec)
{
    std::vector<std::string> parts;
    std::stringstream in(spec);
    for (std::string part; std::getline(in, part, ':');)
        parts.push_back(part);
    if (parts.empty() || parts.size() > 3)
        return std::nullopt;
    const auto kind = faultKindFromName(parts[0]);
    if (!kind)
        return std::nullopt;
    Fault fault{kAnyCode, *kind, kForever};
    if (parts.size() > 1 && parts[1] != "any") {
        const auto code = parseNumber(parts[1]);
        if (!code || *code < 0 || *code > 0xFFFF)
            return std::nullopt;
        fault.code = static_cast<int>(*code);
    }
    if (parts.size() > 2 && parts[2] != "always") {
        const auto count = parseNumber(parts[2]);
        if (!count || *count <= 0)
            return std::nullopt;
        fault.remaining = static_cast<int>(*count);
    }
    return fault;
}

} // namespace camsim
