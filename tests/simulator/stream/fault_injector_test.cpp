// SPDX-License-Identifier: GPL-3.0-or-later

// The fault knobs do what they say, and the oversize fault pads frames.

#include "stream/sim_stream_fault_injector.h"
#include "stream/sim_stream_frame_packer.h"
#include "stream/sim_stream_jpeg_tags.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<camsim::Datagram> numbered(size_t count)
{
    std::vector<camsim::Datagram> units;
    for (size_t i = 0; i < count; ++i)
        units.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), 0xAB});
    return units;
}

TEST(FaultInjector, NoFaultsPassesEverythingInOrder)
{
    camsim::FaultInjector injector(1);
    EXPECT_EQ(injector.apply(numbered(50), {}, 100), numbered(50));
}

TEST(FaultInjector, LossDropsAboutTheChosenShareKeepingTheOrder)
{
    camsim::StreamFaults faults;
    faults.loss = 1.0;
    camsim::FaultInjector all(1);
    EXPECT_TRUE(all.apply(numbered(100), faults, 100).empty());
    EXPECT_EQ(all.counters().dropped, 100u);

    faults.loss = 0.25;
    camsim::FaultInjector some(2);
    const auto out = some.apply(numbered(4000), faults, 100);
    EXPECT_GT(out.size(), 2700u);
    EXPECT_LT(out.size(), 3300u);
    EXPECT_EQ(out.size() + some.counters().dropped, 4000u);
    EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](const auto &a, const auto &b) {
        return a[0] + 256 * a[1] < b[0] + 256 * b[1];
    }));
}

TEST(FaultInjector, DuplicationSendsUnitsTwiceBackToBack)
{
    camsim::StreamFaults faults;
    faults.duplicate = 1.0;
    camsim::FaultInjector injector(3);
    const auto out = injector.apply(numbered(10), faults, 100);
    ASSERT_EQ(out.size(), 20u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(out[2 * i], numbered(10)[i]);
        EXPECT_EQ(out[2 * i + 1], numbered(10)[i]);
    }
    EXPECT_EQ(injector.counters().duplicated, 10u);
}

TEST(FaultInjector, ReorderKeepsTheFirstUnitAndEveryUnit)
{
    camsim::StreamFaults faults;
    faults.reorder = 1.0;
    camsim::FaultInjector injector(4);
    const auto in = numbered(21);
    auto out = injector.apply(in, faults, 100);
    ASSERT_EQ(out.size(), in.size());
    EXPECT_EQ(out[0], in[0]);
    EXPECT_NE(out, in);
    EXPECT_GT(injector.counters().reordered, 0u);
    std::sort(out.begin(), out.end());
    EXPECT_EQ(out, in); // numbered() is already sorted
}

TEST(FaultInjector, GarbageAddsOneBoundedUnitAfterTheFirst)
{
    camsim::StreamFaults faults;
    faults.garbage = 1.0;
    const auto in = numbered(5);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        camsim::FaultInjector injector(seed);
        const auto out = injector.apply(in, faults, 64);
        ASSERT_EQ(out.size(), 6u);
        EXPECT_EQ(out[0], in[0]);
        size_t strangers = 0;
        for (const auto &u : out) {
            if (std::find(in.begin(), in.end(), u) == in.end()) {
                ++strangers;
                EXPECT_GE(u.size(), 1u);
                EXPECT_LE(u.size(), 64u);
            }
        }
        EXPECT_EQ(strangers, 1u);
    }
}

camsim::SourceFrame smallJpeg(uint32_t counter)
{
    return {camsim::withFrameTag({0xFF, 0xD8, 0xFF, 0xD9}, counter), 64, 48};
}

TEST(FramePacker, OversizeFaultPadsEveryNthFrameOnly)
{
    camsim::StreamSettings settings;
    camsim::StreamFaults faults;
    faults.oversizeEvery = 3;
    faults.oversizeBytes = 1536001;
    for (uint32_t counter = 1; counter <= 6; ++counter) {
        const auto units = camsim::packFrame(smallJpeg(counter), settings, faults, counter);
        ASSERT_FALSE(units.empty());
        const uint32_t total = camsim::getLe32(&units[0][4]);
        if (counter % 3 == 0) {
            EXPECT_GE(total, 1536001u);
            EXPECT_GT(units.size(), 1024u) << "past the receiver's packet table";
        } else {
            EXPECT_LT(total, 100u);
        }
    }
}

TEST(FramePacker, EachTransportGetsItsFormat)
{
    camsim::StreamSettings settings;
    const auto frame = smallJpeg(9);
    const auto first = [&](camsim::StreamTransport t) {
        settings.transport = t;
        return camsim::packFrame(frame, settings, {}, 9).at(0);
    };
    EXPECT_EQ(first(camsim::StreamTransport::Udp66)[0], 0x66);
    EXPECT_EQ(camsim::getLe32(&first(camsim::StreamTransport::Udp3)[16]), 0u);
    EXPECT_NE(camsim::getLe32(&first(camsim::StreamTransport::Udp3Plain)[16]), 0u);
    const auto record = first(camsim::StreamTransport::Tcp);
    EXPECT_EQ(std::string(record.begin(), record.begin() + 9), "BoundaryS");
    EXPECT_EQ(record.size(), 9 + 32 + frame.jpeg.size() + 9);
}

} // namespace
