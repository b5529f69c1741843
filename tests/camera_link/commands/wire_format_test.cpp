// SPDX-License-Identifier: GPL-3.0-or-later

// Rules of the wire formats that no reply of the simulated camera reaches:
// lying length fields, lists longer than their block, out-of-range sensor
// lengths, when discovery may broadcast, and key counters per camera.

#include "commands/frame9999_commands.h"
#include "commands/frame9999_payloads.h"
#include "commands/key_counter_table.h"
#include "commands/setcmd_frame.h"
#include "commands/setcmd_payloads.h"

#include <gtest/gtest.h>

namespace {

using qv::Bytes;

void appendEntry(Bytes &out, uint16_t w, uint16_t h, uint8_t fps)
{
    out.insert(out.end(), {static_cast<uint8_t>(w), static_cast<uint8_t>(w >> 8),
                           static_cast<uint8_t>(h), static_cast<uint8_t>(h >> 8), fps});
}

TEST(WireFormat, SetCmdLengthBeyondTheDatagramYieldsOnlyWhatArrived)
{
    const Bytes lying = {'R', 'E', 'T', 'C', 'M', 'D', 1, 0, 0, 0, 9, 0, 0, 0x84, 0x03, 7, 7};
    const auto reply = qv::parseSetCmdReply(lying.data(), lying.size());
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->declaredLength, 900);
    EXPECT_EQ(reply->payloadBytes, 2u);
}

TEST(WireFormat, ResolutionListIsClampedToItsWindowAndSlots)
{
    Bytes zero{0};
    appendEntry(zero, 640, 480, 30);
    EXPECT_FALSE(qv::parseResolutionPayload(zero.data(), zero.size()));
    EXPECT_FALSE(qv::parseResolutionPayload(nullptr, 0));

    // 255 entries announced, 60 present: 32 slots, all within 256 bytes.
    Bytes many{255};
    for (int i = 0; i < 60; ++i)
        appendEntry(many, static_cast<uint16_t>(100 + i), 50, 15);
    auto list = qv::parseResolutionPayload(many.data(), many.size());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count, QV_RESOLUTION_SLOTS);
    EXPECT_EQ(list->entries[31].width, 131);

    // Entries the count promises but the datagram lacks read as skipped.
    Bytes few{5};
    appendEntry(few, 800, 600, 25);
    list = qv::parseResolutionPayload(few.data(), few.size());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count, 1);
    for (int i = 1; i < QV_RESOLUTION_SLOTS; ++i)
        EXPECT_EQ(list->entries[i].width, 0) << i;
}

TEST(WireFormat, SensorLengthMustBeWithinItsBoundsAndWhatArrived)
{
    qv::Frame9999Reply r;
    r.payloadBytes = 100;
    r.word12 = 48;
    EXPECT_EQ(qv::imuCopyLength(r), 48u);
    r.word12 = 1499;
    EXPECT_EQ(qv::imuCopyLength(r), 100u);
    for (int bad : {0, -5, 1500, 70000}) {
        r.word12 = bad;
        EXPECT_FALSE(qv::imuCopyLength(r)) << bad;
    }
}

TEST(WireFormat, DiscoveryBroadcastsOnlyToRealAddresses)
{
    // An unparsable text would aim at 255.255.255.255: without broadcast
    // permission that send fails instead of reaching the whole network.
    for (const char *ip : {"255.255.255.255", "192.168.1.255", "127.0.0.1"})
        EXPECT_TRUE(qv::discoveryPlan(ip).broadcast) << ip;
    for (const char *ip : {static_cast<const char *>(nullptr), "", "camera", "1.2.3.4.5"})
        EXPECT_FALSE(qv::discoveryPlan(ip).broadcast) << (ip ? ip : "null");
}

TEST(WireFormat, KeyCountersArePerCamera)
{
    qv::KeyCounterTable table;
    table.initialiseOnce();
    EXPECT_EQ(table.observe(7, {0x21, 5}), 0); // learns
    EXPECT_EQ(table.observe(8, {0x30, 6}), 0); // learns, camera 7 untouched
    EXPECT_EQ(table.observe(7, {0x22, 6}), 0x22);
    table.initialiseOnce(); // a second time forgets nothing
    EXPECT_EQ(table.observe(8, {0x31, 6}), 0);
    EXPECT_EQ(qv::keyTableIndex("192.168.10.123"), 123);
}

} // namespace
