// Replies no well-behaved camera sends: lying length fields, oversized
// counts and datagrams, headers cut short. The commands must stay inside
// their buffers and treat such replies as failed tries.

#include "fake_camera_peer.h"

#include "qv_camera.h"
#include "command/sim_command_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using Bytes = FakeCameraPeer::Bytes;

#define START_PEER(name, address, script)                                                     \
    FakeCameraPeer name(address, script);                                                     \
    ASSERT_TRUE(name.started()) << name.error()

uint16_t requestCode(const Bytes &request, bool setcmd)
{
    return setcmd ? camsim::le16At(&request[10]) : camsim::le16At(&request[2]);
}

Bytes frame9999(uint16_t code, uint32_t value, uint32_t word12, size_t payloadBytes)
{
    camsim::Frame9999Fields f;
    f.code = code;
    f.value = value;
    f.word12 = word12;
    Bytes payload(payloadBytes);
    for (size_t i = 0; i < payloadBytes; ++i)
        payload[i] = static_cast<uint8_t>(i + 1);
    return camsim::buildFrame9999Reply(f, payload);
}

TEST(MalformedReplies, ImuCopiesNoMoreThanArrived)
{
    START_PEER(peer, "127.21.80.1", [](const Bytes &, int) {
        return std::vector<Bytes>{frame9999(0x1065, 0, 1000, 10)};
    });
    std::vector<uint8_t> out(1499, 0xEE);
    EXPECT_EQ(QV_SendGetIMUData("127.21.80.1", out.data()), 10);
    EXPECT_EQ(out[9], 10);
    EXPECT_EQ(out[10], 0xEE);
}

TEST(MalformedReplies, OversizedImuDatagramIsAFailedTry)
{
    START_PEER(peer, "127.21.81.1", [](const Bytes &, int index) {
        if (index == 0)
            return std::vector<Bytes>{frame9999(0x1065, 0, 1400, 1600)};
        return std::vector<Bytes>{frame9999(0x1065, 0, 16, 16)};
    });
    std::vector<uint8_t> out(1499, 0xEE);
    EXPECT_EQ(QV_SendGetIMUData("127.21.81.1", out.data()), 16);
    EXPECT_EQ(peer.requestCount(), 2);
    EXPECT_EQ(out[16], 0xEE);
}

TEST(MalformedReplies, ResolutionListNeverOverrunsItsBlock)
{
    START_PEER(peer, "127.21.82.1", [](const Bytes &request, int) {
        Bytes payload(900);
        payload[0] = 250; // count far beyond the 32 slots
        for (size_t i = 1; i + 5 <= payload.size(); i += 5) {
            payload[i] = 0x10;     // width 16
            payload[i + 2] = 0x08; // height 8
            payload[i + 4] = 15;
        }
        return std::vector<Bytes>{
            camsim::buildRetCmdReply(0, requestCode(request, true), payload)};
    });
    ResolutionList *list = QV_SendGetResolution("127.21.82.1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, QV_RESOLUTION_SLOTS);
    EXPECT_EQ(list->entries[31].width, 16);
    EXPECT_EQ(list->entries[31].height, 8);
    std::free(list);
}

TEST(MalformedReplies, CutShortAndForeignRepliesAreFailedTries)
{
    START_PEER(peer, "127.21.83.1", [](const Bytes &request, int index) {
        const Bytes full = camsim::buildRetCmdReply(0, requestCode(request, true), {});
        switch (index) {
        case 0: // header cut before the payload length
            return std::vector<Bytes>{Bytes(full.begin(), full.begin() + 12)};
        case 1: { // right code, wrong text
            Bytes foreign = full;
            foreign[0] = 'X';
            return std::vector<Bytes>{foreign};
        }
        default:
            return std::vector<Bytes>{full};
        }
    });
    EXPECT_EQ(QV_SendReboot("127.21.83.1"), 1);
    EXPECT_EQ(peer.requestCount(), 3);
}

TEST(MalformedReplies, CameraParamsWithoutLengthEndAtOnce)
{
    START_PEER(peer, "127.21.84.1", [](const Bytes &request, int index) {
        Bytes reply = camsim::buildRetCmdReply(0, requestCode(request, true), Bytes(120, 1));
        // First an empty length, then one that reads negative as 16 bits.
        reply[13] = 0;
        reply[14] = index == 0 ? 0 : 0x80;
        return std::vector<Bytes>{reply};
    });
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    EXPECT_EQ(QV_SendGetCameraParams("127.21.84.1", &table), 0);
    EXPECT_EQ(peer.requestCount(), 1);
    EXPECT_EQ(QV_SendGetCameraParams("127.21.84.1", &table), 0);
    EXPECT_EQ(peer.requestCount(), 2);
    EXPECT_EQ(table.count, 0);
}

TEST(MalformedReplies, CameraParamsShortOfSixRecordsAreRetried)
{
    START_PEER(peer, "127.21.85.1", [](const Bytes &request, int index) {
        const size_t bytes = index == 0 ? 60 : 120;
        return std::vector<Bytes>{
            camsim::buildRetCmdReply(0, requestCode(request, true), Bytes(bytes, 2))};
    });
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    EXPECT_EQ(QV_SendGetCameraParams("127.21.85.1", &table), 1);
    EXPECT_EQ(peer.requestCount(), 2);
    EXPECT_EQ(table.count, 6);
    EXPECT_EQ(table.entries[5].w[4], 0x02020202);
}

TEST(MalformedReplies, QueryWithoutDescriptionWordsIsRetried)
{
    START_PEER(peer, "127.21.86.1", [](const Bytes &request, int index) {
        return std::vector<Bytes>{
            frame9999(requestCode(request, false), 33, 0, index == 0 ? 8 : 20)};
    });
    int five[5] = {};
    EXPECT_EQ(QV_SendQueryCameraValue("127.21.86.1", 2, five), 33);
    EXPECT_EQ(peer.requestCount(), 2);
    EXPECT_EQ(five[0], 0x04030201);
}

TEST(MalformedReplies, ShortFrame9999HeaderIsNotAnAnswer)
{
    START_PEER(peer, "127.21.87.1", [](const Bytes &request, int index) {
        Bytes reply = frame9999(requestCode(request, false), 99, 0, 0);
        if (index == 0)
            reply.resize(12); // magic, code and the value, but no whole header
        return std::vector<Bytes>{reply};
    });
    EXPECT_EQ(QV_SendGetVersion("127.21.87.1"), 99);
    EXPECT_EQ(peer.requestCount(), 2);
}

TEST(MalformedReplies, KeyReplyWithoutCounterCountsAsNoEvent)
{
    START_PEER(peer, "127.21.88.45", [](const Bytes &request, int) {
        return std::vector<Bytes>{
            camsim::buildRetCmdReply(0, requestCode(request, true), Bytes{0x41, 0, 0})};
    });
    EXPECT_EQ(QV_SendGetKeyStatus("127.21.88.45"), 0);
    EXPECT_EQ(QV_SendGetKeyStatus("127.21.88.45"), 0);
    EXPECT_EQ(peer.requestCount(), 2);
}

} // namespace
