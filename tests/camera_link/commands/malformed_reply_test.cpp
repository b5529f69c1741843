// SPDX-License-Identifier: GPL-3.0-or-later

// Replies no well-behaved camera sends: lying length fields, missing words,
// oversized datagrams, headers cut short. The commands must stay inside
// their buffers and treat such replies as failed tries (or stop at once).

#include "fake_camera_peer.h"

#include "qv_camera.h"
#include "command/sim_command_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

using Bytes = FakeCameraPeer::Bytes;
constexpr const char *kPeer = "127.21.80.1";

uint16_t codeOf(const Bytes &request)
{
    return request[0] == 'S' ? camsim::le16At(&request[10]) : camsim::le16At(&request[2]);
}

Bytes retcmd(const Bytes &request, const Bytes &payload)
{
    return camsim::buildRetCmdReply(0, codeOf(request), payload);
}

Bytes frame9999(const Bytes &request, uint32_t value, uint32_t word12, size_t payloadBytes)
{
    camsim::Frame9999Fields f;
    f.code = codeOf(request);
    f.value = value;
    f.word12 = word12;
    Bytes payload(payloadBytes);
    for (size_t i = 0; i < payloadBytes; ++i)
        payload[i] = static_cast<uint8_t>(i + 1);
    return camsim::buildFrame9999Reply(f, payload);
}

uint8_t imu[1499];
CameraParamTable table;
int five[5];

struct Case {
    const char *what;
    std::function<Bytes(const Bytes &request, int index)> reply;
    std::function<int()> call;
    int result;
    int requests;
    std::function<void()> check = [] {};
};

TEST(MalformedReplies, AreFailedTriesAndNeverOverrunABuffer)
{
    const Case cases[] = {
        {"imu length beyond what arrived",
         [](const Bytes &q, int) { return frame9999(q, 0, 1000, 10); },
         [] { return QV_SendGetIMUData(kPeer, imu); }, 10, 1,
         [] {
             EXPECT_EQ(imu[9], 10);
             EXPECT_EQ(imu[10], 0xEE);
         }},
        {"imu datagram beyond the receive buffer",
         [](const Bytes &q, int i) {
             return i == 0 ? frame9999(q, 0, 1400, 1600) : frame9999(q, 0, 16, 16);
         },
         [] { return QV_SendGetIMUData(kPeer, imu); }, 16, 2, [] { EXPECT_EQ(imu[16], 0xEE); }},
        {"cut-short and foreign text",
         [](const Bytes &q, int i) {
             Bytes full = retcmd(q, {});
             if (i == 0)
                 full.resize(12); // before the payload length
             if (i == 1)
                 full[0] = 'X';
             return full;
         },
         [] { return QV_SendReboot(kPeer); }, 1, 3},
        {"params with an empty length end at once",
         [](const Bytes &q, int) {
             Bytes r = retcmd(q, Bytes(120, 1));
             r[13] = r[14] = 0;
             return r;
         },
         [] { return QV_SendGetCameraParams(kPeer, &table); }, 0, 1,
         [] { EXPECT_EQ(table.count, 0); }},
        {"params with a length negative as 16 bits end at once",
         [](const Bytes &q, int) {
             Bytes r = retcmd(q, Bytes(120, 1));
             r[13] = 0;
             r[14] = 0x80;
             return r;
         },
         [] { return QV_SendGetCameraParams(kPeer, &table); }, 0, 1,
         [] { EXPECT_EQ(table.count, 0); }},
        {"params short of six records",
         [](const Bytes &q, int i) { return retcmd(q, Bytes(i == 0 ? 60 : 120, 2)); },
         [] { return QV_SendGetCameraParams(kPeer, &table); }, 1, 2,
         [] { EXPECT_EQ(table.entries[5].w[4], 0x02020202); }},
        {"query without its five words",
         [](const Bytes &q, int i) { return frame9999(q, 33, 0, i == 0 ? 8 : 20); },
         [] { return QV_SendQueryCameraValue(kPeer, 2, five); }, 33, 2,
         [] { EXPECT_EQ(five[0], 0x04030201); }},
        {"0x9999 header cut short",
         [](const Bytes &q, int i) {
             Bytes r = frame9999(q, 99, 0, 0);
             if (i == 0)
                 r.resize(12); // magic, code and the value, but no whole header
             return r;
         },
         [] { return QV_SendGetVersion(kPeer); }, 99, 2},
        // The reply buffer still holds a longer earlier reply: a counter
        // read past the datagram would be that one's byte.
        {"key reply without the counter",
         [](const Bytes &q, int i) {
             const Bytes payloads[] = {{0x41, 0, 0, 5}, {0, 0, 0, 7}, {0x42, 0, 0}};
             return retcmd(q, payloads[std::min(i, 2)]);
         },
         [] {
             QV_SendGetKeyStatus(kPeer);
             QV_SendReboot(kPeer);
             return QV_SendGetKeyStatus(kPeer);
         },
         0, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::memset(imu, 0xEE, sizeof imu);
        std::memset(&table, 0, sizeof table);
        FakeCameraPeer peer(kPeer, [&c](const Bytes &request, int index) {
            return std::vector<Bytes>{c.reply(request, index)};
        });
        ASSERT_TRUE(peer.started()) << peer.error();
        EXPECT_EQ(c.call(), c.result);
        EXPECT_EQ(peer.requestCount(), c.requests);
        c.check();
    }
}

} // namespace
