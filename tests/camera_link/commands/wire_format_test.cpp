// The command wire formats without sockets: request layouts, reply parsing
// and its limits, payload decoding and the key-event logic.

#include "commands/frame9999.h"
#include "commands/frame9999_commands.h"
#include "commands/frame9999_payloads.h"
#include "commands/key_counter_table.h"
#include "commands/setcmd_frame.h"
#include "commands/setcmd_payloads.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <string>

namespace {

using qv::Bytes;

Bytes bytesOf(const std::string &text) { return Bytes(text.begin(), text.end()); }

// A RETCMD reply as the camera frames it.
Bytes retcmd(uint16_t code, const Bytes &payload, uint16_t declared)
{
    Bytes out = bytesOf("RETCMD");
    out.insert(out.end(), {0x11, 0x22, 0x33, 0x44});
    out.push_back(static_cast<uint8_t>(code));
    out.push_back(static_cast<uint8_t>(code >> 8));
    out.push_back(0); // status
    out.push_back(static_cast<uint8_t>(declared));
    out.push_back(static_cast<uint8_t>(declared >> 8));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

void appendEntry(Bytes &out, uint16_t w, uint16_t h, uint8_t fps)
{
    out.insert(out.end(), {static_cast<uint8_t>(w), static_cast<uint8_t>(w >> 8),
                           static_cast<uint8_t>(h), static_cast<uint8_t>(h >> 8), fps});
}

TEST(SetCmdFrame, RequestHeaderIsTextSeqCodeLengthLittleEndian)
{
    const Bytes r = qv::buildSetCmdRequest(0x01020304, 0x0890, bytesOf("abc"));
    const Bytes expected = {'S', 'E', 'T', 'C', 'M', 'D', 0x04, 0x03, 0x02, 0x01,
                            0x90, 0x08, 3, 0, 'a', 'b', 'c'};
    EXPECT_EQ(r, expected);
}

TEST(SetCmdFrame, ExtraZerosFollowThePayloadUncounted)
{
    const Bytes r = qv::buildSetCmdRequest(9, 0x2A, {}, 5);
    ASSERT_EQ(r.size(), 19u);
    EXPECT_EQ(r[12], 0);
    EXPECT_EQ(r[13], 0);
    for (size_t i = 14; i < 19; ++i)
        EXPECT_EQ(r[i], 0);
}

TEST(SetCmdFrame, ReplyParsingChecksTextAndHeaderAndClampsPayload)
{
    const Bytes good = retcmd(9, {1, 2, 3}, 3);
    auto reply = qv::parseSetCmdReply(good.data(), good.size());
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->code, 9);
    EXPECT_EQ(reply->seq, 0x44332211u);
    EXPECT_EQ(reply->payloadBytes, 3u);
    EXPECT_EQ(reply->payload[2], 3);

    // A length field beyond the datagram yields only what arrived.
    const Bytes lying = retcmd(9, {7, 7}, 900);
    reply = qv::parseSetCmdReply(lying.data(), lying.size());
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->declaredLength, 900);
    EXPECT_EQ(reply->payloadBytes, 2u);

    Bytes wrongText = good;
    wrongText[0] = 'S';
    EXPECT_FALSE(qv::parseSetCmdReply(wrongText.data(), wrongText.size()));
    EXPECT_FALSE(qv::parseSetCmdReply(good.data(), 14)); // header cut short
    EXPECT_FALSE(qv::parseSetCmdReply(nullptr, 100));
}

TEST(Frame9999, RequestHeaderLayout)
{
    const Bytes r = qv::buildFrame9999Request(0xA0B0C0D0, 0x1066, 0x1A01, 0x41, bytesOf("xy"));
    ASSERT_EQ(r.size(), 26u);
    const Bytes header = {0x99, 0x99, 0x66, 0x10, 0xD0, 0xC0, 0xB0, 0xA0, 0x01, 0x1A, 0, 0,
                          0x41, 0,    0,    0,    0,    0,    0,    0,    0,    0,    0, 0};
    EXPECT_EQ(Bytes(r.begin(), r.begin() + 24), header);
    EXPECT_EQ(r[24], 'x');
    EXPECT_EQ(r[25], 'y');
}

TEST(Frame9999, ReplyNeedsWholeHeaderAndKeepsSignedWords)
{
    Bytes reply = qv::buildFrame9999Request(5, 0x1017, 0xFFFFFFFF, 0, {});
    reply[16] = 0x34;
    reply[17] = 0x12;
    reply[18] = 0x01;
    auto parsed = qv::parseFrame9999Reply(reply.data(), reply.size());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->magic, 0x9999);
    EXPECT_EQ(parsed->code, 0x1017);
    EXPECT_EQ(parsed->value, -1);
    EXPECT_EQ(parsed->word16, 0x11234u);
    EXPECT_EQ(parsed->payloadBytes, 0u);
    EXPECT_FALSE(qv::parseFrame9999Reply(reply.data(), 23));
}

TEST(ResolutionPayload, SkippedEntriesKeepTheirSlotAndAreNotCounted)
{
    Bytes p{3};
    appendEntry(p, 1920, 1080, 30);
    appendEntry(p, 0, 0, 0);
    appendEntry(p, 1280, 720, 30);
    const auto list = qv::parseResolutionPayload(p.data(), p.size());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(list->entries[0].width, 1920);
    EXPECT_EQ(list->entries[0].height, 1080);
    EXPECT_EQ(list->entries[0].fps, 30);
    EXPECT_EQ(list->entries[1].width, 0);
    EXPECT_EQ(list->entries[1].height, 0);
    EXPECT_EQ(list->entries[1].fps, 0);
    EXPECT_EQ(list->entries[2].width, 1280);
    EXPECT_EQ(list->entries[2].height, 720);
    for (int i = 3; i < QV_RESOLUTION_SLOTS; ++i)
        EXPECT_EQ(list->entries[i].width, 0) << i;
    EXPECT_EQ(list->reserved[0] | list->reserved[1] | list->reserved[2], 0);
}

TEST(ResolutionPayload, CountZeroIsNoList)
{
    Bytes p{0};
    appendEntry(p, 640, 480, 30);
    EXPECT_FALSE(qv::parseResolutionPayload(p.data(), p.size()));
    EXPECT_FALSE(qv::parseResolutionPayload(nullptr, 0));
}

TEST(ResolutionPayload, OversizedCountAndPayloadAreClampedToTheModel)
{
    // 255 entries announced, 51 present (256 bytes would end inside entry 51).
    Bytes p{255};
    for (int i = 0; i < 60; ++i)
        appendEntry(p, static_cast<uint16_t>(100 + i), 50, 15);
    const auto list = qv::parseResolutionPayload(p.data(), p.size());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count, QV_RESOLUTION_SLOTS);
    EXPECT_EQ(list->entries[31].width, 131);

    // Entries the count promises but the datagram lacks read as skipped.
    Bytes shortPayload{5};
    appendEntry(shortPayload, 800, 600, 25);
    const auto partial = qv::parseResolutionPayload(shortPayload.data(), shortPayload.size());
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->count, 1);
    EXPECT_EQ(partial->entries[0].width, 800);
}

TEST(CameraParamsPayload, RecordsAreRemappedIntoTheTable)
{
    Bytes p;
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 5; ++j) {
            const int32_t v = (k + 1) * 10 + j - 25; // r_j of record k, some negative
            for (int b = 0; b < 4; ++b)
                p.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
        }
    CameraParamTable table;
    std::memset(&table, 0xEE, sizeof table);
    ASSERT_TRUE(qv::parseCameraParamsPayload(p.data(), p.size(), &table));
    EXPECT_EQ(table.count, 6);
    EXPECT_EQ(table.reserved[0], 0xEE); // bytes 1..3 untouched
    for (int k = 0; k < 6; ++k) {
        const int base = (k + 1) * 10 - 25;
        const int32_t *w = table.entries[k].w;
        EXPECT_EQ(w[0], base + 4) << k;
        EXPECT_EQ(w[1], base + 0) << k;
        EXPECT_EQ(w[2], base + 1) << k;
        EXPECT_EQ(w[3], base + 3) << k;
        EXPECT_EQ(w[4], base + 2) << k;
    }
}

TEST(CameraParamsPayload, ShortPayloadLeavesTableAlone)
{
    Bytes p(119, 1);
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    EXPECT_FALSE(qv::parseCameraParamsPayload(p.data(), p.size(), &table));
    EXPECT_EQ(table.count, 0);
}

TEST(KeyPolling, FirstPollLearnsUnchangedIsQuietChangedReportsKey)
{
    qv::KeyCounterTable table;
    table.initialiseOnce();
    EXPECT_EQ(table.entry(7), qv::KeyCounterTable::kUnseen);
    EXPECT_EQ(table.observe(7, {0x21, 5}), 0);  // learns 5
    EXPECT_EQ(table.entry(7), 5);
    EXPECT_EQ(table.observe(7, {0x21, 5}), 0);  // nothing new
    EXPECT_EQ(table.observe(7, {0x22, 6}), 0x22);
    EXPECT_EQ(table.observe(7, {0x22, 6}), 0);
    // Counters are per camera.
    EXPECT_EQ(table.observe(8, {0x30, 6}), 0);
    // Initialising again changes nothing.
    table.initialiseOnce();
    EXPECT_EQ(table.entry(7), 6);
}

TEST(KeyPolling, CameraIndexIsLastOctet)
{
    EXPECT_EQ(qv::keyTableIndex("192.168.10.123"), 123);
    EXPECT_EQ(qv::keyTableIndex("127.0.0.1"), 1);
    EXPECT_EQ(qv::keyTableIndex("not an address"), 255);
    EXPECT_EQ(qv::keyTableIndex(nullptr), 255);
}

TEST(KeyPolling, PayloadCarriesKeyFirstAndCounterFourth)
{
    const uint8_t p[] = {0x41, 9, 9, 0x07};
    const auto report = qv::parseKeyStatusPayload(p, sizeof p);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->key, 0x41);
    EXPECT_EQ(report->counter, 7);
    EXPECT_FALSE(qv::parseKeyStatusPayload(p, 3));
}

TEST(BatteryReply, ChargeOnlyWhenFlagged)
{
    qv::Frame9999Reply r;
    r.value = 64;
    r.word16 = 0x10000u | 3;
    EXPECT_EQ(qv::decodeBattery(r).level, 64);
    EXPECT_EQ(qv::decodeBattery(r).charge, 3);
    r.word16 = 0x0FFFF;
    EXPECT_EQ(qv::decodeBattery(r).charge, -1);
    r.word16 = 0x3ABCD; // other high bits do not matter
    EXPECT_EQ(qv::decodeBattery(r).charge, 0xABCD);
}

TEST(ImuReply, LengthIsBoundedByWordAndByWhatArrived)
{
    qv::Frame9999Reply r;
    r.payloadBytes = 100;
    r.word12 = 48;
    EXPECT_EQ(qv::imuCopyLength(r), 48u);
    r.word12 = 1499;
    EXPECT_EQ(qv::imuCopyLength(r), 100u); // never more than arrived
    for (int bad : {0, -5, 1500, 70000}) {
        r.word12 = bad;
        EXPECT_FALSE(qv::imuCopyLength(r)) << bad;
    }
    r.word12 = 10;
    r.payloadBytes = 0;
    EXPECT_FALSE(qv::imuCopyLength(r));
}

TEST(NetworkParamsPayload, FieldsAreNulPaddedAndFullFieldsUnterminated)
{
    const std::string ssid32(32, 'S');
    const auto p = qv::networkParamsPayload(0x102, ssid32.c_str(), "pw", nullptr);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->size(), 65u);
    EXPECT_EQ((*p)[0], 0x02); // low byte of mode
    EXPECT_EQ(std::string(p->begin() + 1, p->begin() + 33), ssid32);
    EXPECT_EQ((*p)[33], 'p');
    EXPECT_EQ((*p)[34], 'w');
    for (size_t i = 35; i < 65; ++i)
        EXPECT_EQ((*p)[i], 0) << i;

    const auto withIp = qv::networkParamsPayload(2, "a", "b", "10.0.0.9");
    ASSERT_TRUE(withIp);
    ASSERT_EQ(withIp->size(), 97u);
    EXPECT_EQ(std::string(withIp->begin() + 65, withIp->begin() + 73), "10.0.0.9");
    EXPECT_EQ((*withIp)[73], 0);
}

TEST(NetworkParamsPayload, TextsBeyondTheirFieldAreRefused)
{
    const std::string long33(33, 'x');
    EXPECT_FALSE(qv::networkParamsPayload(2, long33.c_str(), "pw", nullptr));
    EXPECT_FALSE(qv::networkParamsPayload(2, "ssid", long33.c_str(), nullptr));
    EXPECT_FALSE(qv::networkParamsPayload(2, "ssid", "pw", long33.c_str()));
    EXPECT_TRUE(qv::networkParamsPayload(2, nullptr, nullptr, nullptr));
}

TEST(UpdatePayload, UrlFromServerAndPathAndRawAddressBytes)
{
    uint32_t server = 0;
    inet_pton(AF_INET, "192.168.1.10", &server);
    const auto url = qv::updateUrl(server, "fw.bin");
    ASSERT_TRUE(url);
    EXPECT_EQ(*url, "url://192.168.1.10/fw.bin");
    const Bytes p = qv::updatePayload(server, 0x1F90, *url);
    ASSERT_EQ(p.size(), 134u);
    EXPECT_EQ(p[0], 192);
    EXPECT_EQ(p[1], 168);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[3], 10);
    EXPECT_EQ(p[4], 0x90);
    EXPECT_EQ(p[5], 0x1F);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&p[6])), *url);
    EXPECT_EQ(p[133], 0);
}

TEST(UpdatePayload, UrlMustFitWithItsTerminator)
{
    const uint32_t server = htonl(0x0A000001); // url://10.0.0.1/ is 15 bytes
    EXPECT_TRUE(qv::updateUrl(server, std::string(112, 'p').c_str()));  // 127 + NUL
    EXPECT_FALSE(qv::updateUrl(server, std::string(113, 'p').c_str())); // 128 + NUL
}

TEST(DiscoveryPlan, BroadcastOnlyForRealAddresses)
{
    for (const char *ip : {"255.255.255.255", "192.168.1.255", "127.0.0.1"}) {
        const qv::ExchangePlan plan = qv::discoveryPlan(ip);
        EXPECT_TRUE(plan.broadcast) << ip;
        EXPECT_EQ(plan.tries, 3);
        EXPECT_EQ(plan.timeoutMs, 500);
    }
    for (const char *ip : {static_cast<const char *>(nullptr), "", "camera", "1.2.3.4.5"})
        EXPECT_FALSE(qv::discoveryPlan(ip).broadcast) << (ip ? ip : "null");
}

} // namespace
