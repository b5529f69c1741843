// The command exports against the simulated camera: the bytes each one puts
// on the wire, the sequence counter, reply checks, retries and results.

#include "sim_camera.h"

#include "commands/command_state.h"
#include "qv_camera.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

using camsim::Bytes;
using camsim::Family;
using camsim::FaultKind;
using camsim::SimRequest;

#define START_CAMERA(name, address)                                                           \
    SimCamera name(address);                                                                  \
    ASSERT_TRUE(name.started()) << name.error()

Bytes setCmdHeader(uint32_t seq, uint16_t code, uint16_t length)
{
    Bytes h = {'S', 'E', 'T', 'C', 'M', 'D'};
    for (int i = 0; i < 4; ++i)
        h.push_back(static_cast<uint8_t>(seq >> (8 * i)));
    h.insert(h.end(), {static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8),
                       static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8)});
    return h;
}

// The only request the camera got, checked for family and code.
SimRequest onlyRequest(const SimCamera &cam, Family family, uint16_t code)
{
    const auto all = cam.requests();
    EXPECT_EQ(all.size(), 1u);
    if (all.empty())
        return {};
    EXPECT_EQ(all[0].family, family);
    EXPECT_EQ(all[0].code, code);
    return all[0];
}

TEST(SetCmdExports, RequestBytesOfEveryCommand)
{
    START_CAMERA(cam, "127.21.1.1");
    struct Case {
        const char *what;
        std::function<int()> call;
        uint16_t code;
        Bytes payload;
        size_t extra;
    };
    const Case cases[] = {
        {"ssid", [&] { return QV_SendSetSSID(cam.ip(), "studio"); }, 1,
         Bytes{'s', 't', 'u', 'd', 'i', 'o'}, 0},
        {"password", [&] { return QV_SendSetPassword(cam.ip(), "12345678"); }, 2,
         Bytes{'1', '2', '3', '4', '5', '6', '7', '8'}, 0},
        {"clear", [&] { return QV_SendClearPass(cam.ip()); }, 3, {}, 0},
        {"reboot", [&] { return QV_SendReboot(cam.ip()); }, 4, {}, 0},
        {"resolution", [&] { return QV_SendSetResolution(cam.ip(), 1920, 1080); }, 8,
         Bytes{0x80, 0x07, 0x38, 0x04, 30}, 0},
        {"reset", [&] { return QV_SendResetCameraParams(cam.ip()); }, 0x2C, Bytes(4, 0), 0},
        {"set params", [&] { return QV_SendSetCameraParams(cam.ip(), 1, -1, 2, 3, 4, 0x01020304); },
         0x2B,
         Bytes{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0,
               4, 3, 2, 1},
         0},
        {"get params",
         [&] {
             CameraParamTable t;
             return QV_SendGetCameraParams(cam.ip(), &t);
         },
         0x2A, {}, 5},
    };
    for (const Case &c : cases) {
        cam.clearRequests();
        EXPECT_EQ(c.call(), 1) << c.what;
        const uint32_t seq = qv::commandSequence();
        const SimRequest r = onlyRequest(cam, Family::SetCmd, c.code);
        Bytes expected = setCmdHeader(seq, c.code, static_cast<uint16_t>(c.payload.size()));
        expected.insert(expected.end(), c.payload.begin(), c.payload.end());
        expected.resize(expected.size() + c.extra, 0);
        EXPECT_EQ(r.raw, expected) << c.what;
    }
}

TEST(SetCmdExports, ResolutionListAndCameraStateFollow)
{
    START_CAMERA(cam, "127.21.2.1");
    cam.state.setResolutions({{1920, 1080, 30}, {0, 0, 0}, {1280, 720, 25}});
    ResolutionList *list = QV_SendGetResolution(cam.ip());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(list->entries[0].width, 1920);
    EXPECT_EQ(list->entries[1].width, 0);
    EXPECT_EQ(list->entries[2].height, 720);
    EXPECT_EQ(list->entries[2].fps, 25);
    std::free(list);

    EXPECT_EQ(QV_SendSetResolution(cam.ip(), 1280, 720), 1);
    EXPECT_EQ(cam.state.currentResolution().width, 1280);
    // The camera refuses sizes it does not offer in its status byte, which
    // the command does not read: the result is still success.
    EXPECT_EQ(QV_SendSetResolution(cam.ip(), 333, 444), 1);
    EXPECT_EQ(cam.state.currentResolution().width, 1280);
}

TEST(SetCmdExports, SettingsReachTheCamera)
{
    START_CAMERA(cam, "127.21.3.1");
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), "newname"), 1);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), "longenough"), 1);
    EXPECT_EQ(cam.state.settings().wifiSsid, "newname");
    EXPECT_EQ(cam.state.settings().wifiPassword, "longenough");
    EXPECT_EQ(QV_SendClearPass(cam.ip()), 1);
    EXPECT_EQ(cam.state.settings().wifiPassword, "");
    EXPECT_EQ(QV_SendReboot(cam.ip()), 1);
    EXPECT_EQ(cam.state.settings().rebootCount, 1);

    EXPECT_EQ(QV_SendSetCameraParams(cam.ip(), 10, 20, 30, 4, 200, 5000), 1);
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    ASSERT_EQ(QV_SendGetCameraParams(cam.ip(), &table), 1);
    EXPECT_EQ(table.count, 6);
    const auto params = cam.state.settings().pictureParams;
    for (int k = 0; k < 6; ++k) {
        // Camera record (min, max, step, default, value) lands as
        // (value, min, max, default, step).
        EXPECT_EQ(table.entries[k].w[0], params[k].value) << k;
        EXPECT_EQ(table.entries[k].w[1], params[k].minimum) << k;
        EXPECT_EQ(table.entries[k].w[2], params[k].maximum) << k;
        EXPECT_EQ(table.entries[k].w[3], params[k].defaultValue) << k;
        EXPECT_EQ(table.entries[k].w[4], params[k].step) << k;
    }
    EXPECT_EQ(table.entries[0].w[0], 10);
    EXPECT_EQ(QV_SendResetCameraParams(cam.ip()), 1);
    EXPECT_EQ(cam.state.settings().pictureParams[0].value, params[0].defaultValue);
}

TEST(SequenceCounter, OneStepPerCommandSameOnRetriesUntouchedByArgumentChecks)
{
    START_CAMERA(cam, "127.21.4.1");
    const uint32_t before = qv::commandSequence();
    ASSERT_EQ(QV_SendGetVersion(cam.ip()), cam.state.settings().version);
    ASSERT_EQ(QV_SendReboot(cam.ip()), 1);
    EXPECT_EQ(qv::commandSequence(), before + 2);
    auto all = cam.requests();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].seq, before + 1);
    EXPECT_EQ(all[1].seq, before + 2);

    // Two replies with the wrong code: three identical datagrams.
    cam.clearRequests();
    cam.fault(FaultKind::WrongCode, 0x1020, 2);
    EXPECT_EQ(QV_SendGetDeviceType(cam.ip()), 3);
    all = cam.requests();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].raw, all[1].raw);
    EXPECT_EQ(all[1].raw, all[2].raw);
    EXPECT_EQ(all[0].seq, before + 3);
    EXPECT_EQ(qv::commandSequence(), before + 3);

    // Refused arguments: nothing sent, counter unchanged.
    cam.clearRequests();
    const std::string ssid33(33, 'n');
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), ssid33.c_str()), 0);
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), ""), 0);
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), nullptr), 0);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), "1234567"), 0);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), std::string(33, 'p').c_str()), 0);
    EXPECT_EQ(QV_SendApParams(cam.ip(), 2, ssid33.c_str(), "password"), 0);
    EXPECT_EQ(QV_SendGetCameraParams(cam.ip(), nullptr), 0);
    EXPECT_EQ(QV_SendGetIMUData(cam.ip(), nullptr), -1);
    EXPECT_EQ(QV_SendQueryCameraValue(cam.ip(), 0, nullptr), 0);
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), nullptr, nullptr), -1);
    EXPECT_EQ(QV_SendK21Update(cam.ip(), htonl(0x0A000001), 80, std::string(200, 'p').c_str()), 0);
    EXPECT_EQ(qv::commandSequence(), before + 3);
    EXPECT_TRUE(cam.requests().empty());

    // Boundary lengths are accepted.
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), std::string(32, 's').c_str()), 1);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), "12345678"), 1);
    EXPECT_EQ(qv::commandSequence(), before + 5);
}

TEST(RetryCounts, WrongCodeRepliesUseUpEveryTry)
{
    START_CAMERA(cam, "127.21.5.1");
    struct Case {
        const char *what;
        std::function<int()> call;
        int failure;
        size_t tries;
    };
    CameraParamTable table;
    const Case cases[] = {
        {"ssid", [&] { return QV_SendSetSSID(cam.ip(), "name"); }, 0, 4},
        {"password", [&] { return QV_SendSetPassword(cam.ip(), "12345678"); }, 0, 3},
        {"reset params", [&] { return QV_SendResetCameraParams(cam.ip()); }, 0, 1},
        {"set params", [&] { return QV_SendSetCameraParams(cam.ip(), 0, 0, 0, 0, 0, 0); }, 0, 3},
        {"get params", [&] { return QV_SendGetCameraParams(cam.ip(), &table); }, 0, 3},
        {"version", [&] { return QV_SendGetVersion(cam.ip()); }, 0, 3},
        {"battery", [&] { return QV_SendGetBattery(cam.ip()); }, -1, 1},
        {"autofocus", [&] { return QV_SendSetAutoFocus(cam.ip(), 1); }, 0, 3},
        {"network", [&] { return QV_SendApParams(cam.ip(), 2, "a", "b"); }, 0, 3},
        {"key", [&] { return QV_SendGetKeyStatus(cam.ip()); }, 0, 1},
    };
    for (const Case &c : cases) {
        cam.clearRequests();
        cam.fault(FaultKind::WrongCode, camsim::kAnyCode, 10);
        EXPECT_EQ(c.call(), c.failure) << c.what;
        EXPECT_EQ(cam.requests().size(), c.tries) << c.what;
        cam.clearFaults();
    }
}

TEST(ResolutionList, CountZeroRepliesAreRetriedThenNull)
{
    START_CAMERA(cam, "127.21.6.1");
    cam.fault(FaultKind::ZeroResolutionCount, 9, 3);
    EXPECT_EQ(QV_SendGetResolution(cam.ip()), nullptr);
    EXPECT_EQ(cam.requests().size(), 3u);

    // One bad answer, then a good one within the tries.
    cam.clearRequests();
    cam.fault(FaultKind::ZeroResolutionCount, 9, 1);
    ResolutionList *list = QV_SendGetResolution(cam.ip());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, cam.state.resolutions().size());
    EXPECT_EQ(cam.requests().size(), 2u);
    std::free(list);
}

TEST(KeyPolling, ReportsEachNewKeyEventOnce)
{
    // Its own last octet: the key table is indexed by it.
    START_CAMERA(cam, "127.21.7.77");
    cam.state.pressKey(0x31);
    // The first poll only learns the camera's counter.
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    cam.state.pressKey(0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    cam.state.pressKey(0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0x32);

    const auto all = cam.requests();
    ASSERT_EQ(all.size(), 5u);
    Bytes expected = setCmdHeader(all[0].seq, 0x90, 4);
    expected.insert(expected.end(), 4, 0);
    EXPECT_EQ(all[0].raw, expected);
}

TEST(NullAndUnparsableAddresses, CommandsFailWithoutLeavingLoopback)
{
    // Unparsable texts aim at 255.255.255.255 without broadcast permission:
    // the sends fail, every try ends at once, nothing reaches anyone.
    for (const char *ip : {static_cast<const char *>(nullptr), "", "camera", "999.1.1.1"}) {
        const uint32_t before = qv::commandSequence();
        EXPECT_EQ(QV_SendReboot(ip), 0);
        EXPECT_EQ(QV_SendGetVersion(ip), 0);
        EXPECT_EQ(QV_SendGetBattery(ip), -1);
        EXPECT_EQ(QV_SendGetResolution(ip), nullptr);
        EXPECT_EQ(QV_SendGetKeyStatus(ip), 0);
        EXPECT_EQ(qv::commandSequence(), before + 5);
    }
}

} // namespace
