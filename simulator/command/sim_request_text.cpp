// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_request_text.h"

#include <cstdio>
#include <sstream>

namespace camsim {

namespace {

struct Name {
    uint16_t code;
    const char *text;
};

constexpr Name kSetCmdNames[] = {
    {1, "set-ssid"},           {2, "set-password"},        {3, "clear-password"},
    {4, "reboot"},             {8, "set-resolution"},      {9, "get-resolutions"},
    {0x90, "key-status"},      {0x2A, "get-camera-params"}, {0x2B, "set-camera-params"},
    {0x2C, "reset-camera-params"},
};

constexpr Name kFrame9999Names[] = {
    {0x1002, "get-version"},      {0x1017, "get-battery"},      {0x1014, "set-channel"},
    {0x1020, "get-device-type"},  {0x1021, "set-device-type"},  {0x24, "set-autofocus"},
    {0x27, "set-auto-exposure"},  {0x2D, "get-camera-value"},   {0x2E, "set-camera-value"},
    {0x2F, "query-camera-value"}, {0x1065, "get-imu"},          {0x1066, "set-pxrd"},
    {0x1010, "set-network"},      {0x1011, "clear-network"},    {0x1012, "set-ethernet"},
    {0x1051, "update"},
};

template <size_t N>
const char *find(const Name (&names)[N], uint16_t code)
{
    for (const Name &n : names)
        if (n.code == code)
            return n.text;
    return "code";
}

std::string hex(uint32_t value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", width, value);
    return text;
}

std::string hexBytes(const Bytes &bytes, size_t limit = 32)
{
    std::ostringstream out;
    for (size_t i = 0; i < bytes.size() && i < limit; ++i) {
        char b[4];
        std::snprintf(b, sizeof b, "%02x", bytes[i]);
        out << (i ? " " : "") << b;
    }
    if (bytes.size() > limit)
        out << " ...";
    return out.str();
}

std::string printable(const std::string &text)
{
    std::string out;
    for (unsigned char c : text)
        out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '.';
    return out;
}

std::string setCmdDetails(const SimRequest &r)
{
    const Bytes &p = r.payload;
    std::ostringstream out;
    if ((r.code == 1 || r.code == 2) && !p.empty())
        out << " \"" << printable(std::string(p.begin(), p.end())) << "\"";
    else if (r.code == 8 && p.size() >= 5)
        out << " " << le16At(&p[0]) << "x" << le16At(&p[2]) << "@" << int(p[4]);
    else if (!p.empty())
        out << " payload " << hexBytes(p);
    return out.str();
}

std::string frame9999Details(const SimRequest &r)
{
    std::ostringstream out;
    out << " a1=" << hex(r.a1, 1) << " a2=" << r.a2;
    if (r.code == 0x1010)
        out << " mode=" << (r.payload.empty() ? 0 : int(r.payload[0])) << " ssid=\""
            << printable(textField(r.payload, 1, 32)) << "\" pass=\""
            << printable(textField(r.payload, 33, 32)) << "\"";
    else if (r.code == 0x1051)
        out << " url=\"" << printable(textField(r.payload, 6, 128)) << "\"";
    else if (!r.payload.empty())
        out << " payload " << hexBytes(r.payload);
    return out.str();
}

} // namespace

const char *commandName(Family family, uint16_t code)
{
    if (family == Family::SetCmd)
        return find(kSetCmdNames, code);
    if (family == Family::Frame9999)
        return find(kFrame9999Names, code);
    return "unknown";
}

std::string describeRequest(const SimRequest &r)
{
    std::ostringstream out;
    switch (r.family) {
    case Family::SetCmd:
        out << "SETCMD seq=" << r.seq << " " << commandName(r.family, r.code) << " ("
            << hex(r.code, 4) << ") len=" << r.declaredLength << setCmdDetails(r);
        break;
    case Family::Frame9999:
        out << "0x9999 seq=" << r.seq << " " << commandName(r.family, r.code) << " ("
            << hex(r.code, 4) << ")" << frame9999Details(r);
        break;
    case Family::Unknown:
        out << "unrecognised " << r.raw.size() << "-byte datagram " << hexBytes(r.raw, 16);
        break;
    }
    if (!r.from.empty())
        out << " from " << r.from;
    return out.str();
}

} // namespace camsim
