// Commands against a camera that stays silent: every try waits out its
// time-out, so these few cases are slow by nature and live apart.

#include "sim_camera.h"

#include "commands/command_state.h"
#include "qv_camera.h"

#include <gtest/gtest.h>

namespace {

using camsim::FaultKind;

#define START_SILENT_CAMERA(name, address)                                                    \
    SimCamera name(address);                                                                  \
    ASSERT_TRUE(name.started()) << name.error();                                              \
    name.fault(FaultKind::NoReply, camsim::kAnyCode)

TEST(NoAnswer, SsidTriesFourTimes)
{
    START_SILENT_CAMERA(cam, "127.21.60.1");
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), "name"), 0);
    const auto all = cam.requests();
    ASSERT_EQ(all.size(), 4u);
    for (const auto &r : all)
        EXPECT_EQ(r.raw, all[0].raw);
}

TEST(NoAnswer, VersionTriesThreeTimesAndReturnsZero)
{
    START_SILENT_CAMERA(cam, "127.21.61.1");
    const uint32_t before = qv::commandSequence();
    EXPECT_EQ(QV_SendGetVersion(cam.ip()), 0);
    EXPECT_EQ(cam.requests().size(), 3u);
    EXPECT_EQ(qv::commandSequence(), before + 1);
}

TEST(NoAnswer, SingleTryCommandsGiveTheirFailureValues)
{
    START_SILENT_CAMERA(cam, "127.21.62.2");
    EXPECT_EQ(QV_SendGetBattery(cam.ip()), -1);
    int level = 5, charge = 5;
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), &level, &charge), -1);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    EXPECT_EQ(QV_SendResetCameraParams(cam.ip()), 0);
    EXPECT_EQ(cam.requests().size(), 4u);
}

} // namespace
