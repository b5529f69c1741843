// SPDX-License-Identifier: GPL-3.0-or-later

// The command exports against the simulated camera: what each one puts on
// the wire, how many tries it spends on wrong answers, which foreign magic it
// takes, what it returns, and what never leaves at all.

#include "sim_camera.h"

#include "commands/command_state.h"
#include "qv_camera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

using camsim::Bytes;
using camsim::Family;
using camsim::FaultKind;

#define START_CAMERA(name, ...)                                                               \
    SimCamera name(__VA_ARGS__);                                                              \
    ASSERT_TRUE(name.started()) << name.error()

constexpr int kUnchecked = INT_MIN; // the key poll has no failure value of its own
using Call = std::function<int(const char *ip)>;

struct Command {
    const char *what;
    Call call;
    Family family;
    uint16_t code;
    Bytes payload;     // SETCMD: the payload its length field counts
    size_t bytes;      // the whole datagram
    uint32_t a1, a2;   // 0x9999: the argument words
    int failure;       // the result when no usable answer came
    size_t tries;
    bool foreignMagic; // takes a 0x9999 reply with another magic (SETCMD: nothing to check)
};

// A SETCMD request: 14-byte header, payload, then zeros its length leaves out.
Command S(const char *what, Call call, uint16_t code, Bytes payload, size_t zeros, size_t tries)
{
    const size_t bytes = 14 + payload.size() + zeros;
    return {what, std::move(call), Family::SetCmd, code, std::move(payload), bytes, 0, 0, 0,
            tries, true};
}

// A 0x9999 request: 24-byte header and a payload.
Command F(const char *what, Call call, uint16_t code, uint32_t a1, uint32_t a2,
          size_t payload, int failure = 0, size_t tries = 3, bool foreignMagic = false)
{
    return {what, std::move(call), Family::Frame9999, code, {}, 24 + payload, a1, a2, failure,
            tries, foreignMagic};
}

std::vector<Command> everyCommand()
{
    static int five[5], level, charge;
    static CameraParamTable table;
    static uint8_t imu[1499];
    static char found[32], exposureIp[32];
    const uint32_t server = htonl(0xC0A8010A);
    Command key = S("key", [](auto ip) { return QV_SendGetKeyStatus(ip); }, 0x90, Bytes(4, 0),
                    0, 1);
    key.failure = kUnchecked;
    const Call sizes = [](auto ip) {
        ResolutionList *list = QV_SendGetResolution(ip);
        std::free(list);
        return list ? 1 : 0;
    };
    return {
        S("ssid", [](auto ip) { return QV_SendSetSSID(ip, "studio"); }, 1,
          {'s', 't', 'u', 'd', 'i', 'o'}, 0, 4),
        S("password", [](auto ip) { return QV_SendSetPassword(ip, "12345678"); }, 2,
          {'1', '2', '3', '4', '5', '6', '7', '8'}, 0, 3),
        S("clear", [](auto ip) { return QV_SendClearPass(ip); }, 3, {}, 0, 3),
        S("reboot", [](auto ip) { return QV_SendReboot(ip); }, 4, {}, 0, 3),
        S("set size", [](auto ip) { return QV_SendSetResolution(ip, 1920, 1080); }, 8,
          {0x80, 0x07, 0x38, 0x04, 30}, 0, 3),
        S("sizes", sizes, 9, {}, 0, 3),
        key,
        S("reset params", [](auto ip) { return QV_SendResetCameraParams(ip); }, 0x2C,
          Bytes(4, 0), 0, 1),
        S("set params",
          [](auto ip) { return QV_SendSetCameraParams(ip, 1, -1, 2, 3, 4, 0x01020304); }, 0x2B,
          {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 4, 3, 2, 1}, 0,
          3),
        S("get params", [](auto ip) { return QV_SendGetCameraParams(ip, &table); }, 0x2A, {}, 5, 3),
        F("version", [](auto ip) { return QV_SendGetVersion(ip); }, 0x1002, 0, 0, 0, 0, 3, true),
        F("discovery", [](auto ip) { return QV_SendGetVersionWithIp(ip, found); }, 0x1002, 0, 0,
          0, 0, 3, true),
        F("battery", [](auto ip) { return QV_SendGetBattery(ip); }, 0x1017, 0, 0, 0, -1, 1),
        F("battery2", [](auto ip) { return QV_SendGetBattery2(ip, &level, &charge); }, 0x1017,
          0, 0, 0, -1, 1),
        F("channel", [](auto ip) { return QV_SendSetChannel(ip, 11); }, 0x1014, 11, 0, 0),
        F("get type", [](auto ip) { return QV_SendGetDeviceType(ip); }, 0x1020, 0, 0, 0, -1),
        F("set type", [](auto ip) { return QV_SendSetDeviceType(ip, 7); }, 0x1021, 7, 0, 0),
        F("set value", [](auto ip) { return QV_SendSetDeviceValue(ip, 0x71234, -2); }, 0x1234,
          0xFFFFFFFE, 0, 0),
        F("get value", [](auto ip) { return QV_SendGetDeviceValue(ip, 0x4321); }, 0x4321, 0, 0,
          0, -1),
        F("autofocus", [](auto ip) { return QV_SendSetAutoFocus(ip, 1); }, 0x24, 1, 0, 0),
        F("exposure",
          [](auto ip) { return QV_SendSetAutoExposure(std::strcpy(exposureIp, ip), 0); }, 0x27,
          0, 0, 0),
        F("set cam value", [](auto ip) { return QV_SendSetCameraValue(ip, 2, 77); }, 0x2E, 2, 77,
          0),
        F("get cam value", [](auto ip) { return QV_SendGetCameraValue(ip, 3); }, 0x2D, 3, 0, 0,
          -1),
        F("query cam value", [](auto ip) { return QV_SendQueryCameraValue(ip, 4, five); }, 0x2F,
          4, 0, 0),
        F("imu", [](auto ip) { return QV_SendGetIMUData(ip, imu); }, 0x1065, 0, 0, 0, -1),
        F("led", [](auto ip) { return QV_SendSetPXRDLed(ip, 3); }, 0x1066, 0x1A01, 0, 0),
        F("fan", [](auto ip) { return QV_SendSetPXRDFan(ip, 2); }, 0x1066, 0x1B00, 0, 0),
        F("network", [](auto ip) { return QV_SendApParams(ip, 2, "net", "pass"); }, 0x1010, 0,
          65, 65, 0, 3, true),
        F("network ip",
          [](auto ip) { return QV_SendApParamsWithIp(ip, 2, "net", "pass", "10.1.1.5"); },
          0x1010, 0, 97, 97, 0, 3, true),
        F("clear network", [](auto ip) { return QV_SendClearApParams(ip); }, 0x1011, 0, 0, 0,
          0, 3, true),
        F("ethernet", [](auto ip) { return QV_SendSetEthernet(ip); }, 0x1012, 0, 0, 0, 0, 3,
          true),
        F("update", [server](auto ip) { return QV_SendK21Update(ip, server, 8080, "fw.bin"); },
          0x1051, 0, 134, 134, 0, 3, true),
    };
}

TEST(CommandExports, RequestsTriesAndForeignMagicOfEveryCommand)
{
    START_CAMERA(cam, "127.21.1.1");
    for (const Command &c : everyCommand()) {
        SCOPED_TRACE(c.what);
        // A good answer: one request, one step of the sequence counter.
        cam.clearFaults();
        cam.clearRequests();
        const uint32_t before = qv::commandSequence();
        const int result = c.call(cam.ip());
        if (c.failure != kUnchecked) {
            EXPECT_NE(result, c.failure);
        }
        EXPECT_EQ(qv::commandSequence(), before + 1);
        auto all = cam.requests();
        ASSERT_EQ(all.size(), 1u);
        const camsim::SimRequest &r = all[0];
        EXPECT_EQ(r.family, c.family);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.seq, before + 1);
        ASSERT_EQ(r.raw.size(), c.bytes);
        if (c.family == Family::SetCmd) {
            EXPECT_EQ(r.declaredLength, c.payload.size());
            EXPECT_EQ(r.payload, c.payload);
            EXPECT_TRUE(std::all_of(r.raw.begin() + 14 + c.payload.size(), r.raw.end(),
                                    [](uint8_t b) { return b == 0; }));
        } else {
            EXPECT_EQ(r.a1, c.a1);
            EXPECT_EQ(r.a2, c.a2);
            EXPECT_EQ(r.word16 | r.word20, 0u);
        }

        // Answers with the wrong code use up every try with the same datagram.
        cam.fault(FaultKind::WrongCode, camsim::kAnyCode);
        cam.clearRequests();
        const int failed = c.call(cam.ip());
        if (c.failure != kUnchecked) {
            EXPECT_EQ(failed, c.failure);
        }
        all = cam.requests();
        ASSERT_EQ(all.size(), c.tries);
        for (const auto &again : all)
            EXPECT_EQ(again.raw, all[0].raw);

        // A foreign magic is taken only where the code alone counts.
        cam.clearFaults();
        cam.fault(FaultKind::WrongMagic, camsim::kAnyCode);
        cam.clearRequests();
        const int magic = c.call(cam.ip());
        if (c.failure != kUnchecked) {
            EXPECT_EQ(magic != c.failure, c.foreignMagic);
        }
        EXPECT_EQ(cam.requests().size(), c.foreignMagic ? 1u : c.tries);
    }
}

TEST(CommandExports, RefusedArgumentsSendNothingAndBoundariesPass)
{
    START_CAMERA(cam, "127.21.2.1");
    const uint32_t server = htonl(0x0A000001); // "url://10.0.0.1/" is 15 bytes of 127
    const std::string n32(32, 'n'), n33(33, 'n'), path112(112, 'p'), path113(113, 'p');
    const uint32_t before = qv::commandSequence();
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), n33.c_str()), 0);
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), ""), 0);
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), nullptr), 0);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), "1234567"), 0);
    EXPECT_EQ(QV_SendSetPassword(cam.ip(), n33.c_str()), 0);
    EXPECT_EQ(QV_SendApParams(cam.ip(), 2, n33.c_str(), "password"), 0);
    EXPECT_EQ(QV_SendApParams(cam.ip(), 2, "name", n33.c_str()), 0);
    EXPECT_EQ(QV_SendApParamsWithIp(cam.ip(), 2, "name", "password", n33.c_str()), 0);
    EXPECT_EQ(QV_SendK21Update(cam.ip(), server, 80, path113.c_str()), 0);
    EXPECT_EQ(QV_SendGetCameraParams(cam.ip(), nullptr), 0);
    EXPECT_EQ(QV_SendGetIMUData(cam.ip(), nullptr), -1);
    EXPECT_EQ(QV_SendQueryCameraValue(cam.ip(), 0, nullptr), 0);
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), nullptr, nullptr), -1);
    EXPECT_EQ(qv::commandSequence(), before);
    EXPECT_TRUE(cam.requests().empty());

    // Texts that fill their field exactly go out whole.
    EXPECT_EQ(QV_SendSetSSID(cam.ip(), n32.c_str()), 1);
    EXPECT_EQ(cam.state.settings().wifiSsid, n32);
    EXPECT_EQ(QV_SendApParams(cam.ip(), 2, n32.c_str(), n32.c_str()), 1);
    EXPECT_EQ(cam.state.settings().network.ssid, n32);
    EXPECT_EQ(cam.state.settings().network.password, n32);
    EXPECT_EQ(QV_SendK21Update(cam.ip(), server, 80, path112.c_str()), 1);
    EXPECT_EQ(cam.state.settings().updateUrl, "url://10.0.0.1/" + path112);
}

TEST(CommandExports, ResultsComeFromTheCamerasAnswers)
{
    START_CAMERA(cam, "127.21.3.1");
    cam.state.editSettings([](camsim::DeviceSettings &s) {
        s.version = 4711;
        s.batteryLevel = 55;
        s.batteryCharge = 2;
    });
    EXPECT_EQ(QV_SendGetVersion(cam.ip()), 4711);
    EXPECT_EQ(QV_SendGetBattery(cam.ip()), 55);
    int level = 0, charge = 0;
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), &level, &charge), 1);
    EXPECT_EQ(level, 55);
    EXPECT_EQ(charge, 2);
    cam.state.editSettings([](camsim::DeviceSettings &s) { s.chargeReported = false; });
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), &level, &charge), 1);
    EXPECT_EQ(charge, -1);

    EXPECT_EQ(QV_SendSetCameraValue(cam.ip(), 1, 70), 1);
    int five[5] = {};
    EXPECT_EQ(QV_SendQueryCameraValue(cam.ip(), 1, five), 70);
    const auto params = cam.state.settings().pictureParams;
    EXPECT_EQ(std::vector<int>(five, five + 5),
              (std::vector<int>{params[1].minimum, params[1].maximum, params[1].step,
                                params[1].defaultValue, 70}));
    // Camera records (min, max, step, default, value) land as
    // (value, min, max, default, step).
    CameraParamTable table;
    std::memset(&table, 0, sizeof table);
    ASSERT_EQ(QV_SendGetCameraParams(cam.ip(), &table), 1);
    EXPECT_EQ(table.count, 6);
    for (int k = 0; k < 6; ++k) {
        const camsim::PictureParam &p = params[k];
        EXPECT_EQ(std::vector<int>(table.entries[k].w, table.entries[k].w + 5),
                  (std::vector<int>{p.value, p.minimum, p.maximum, p.defaultValue, p.step}))
            << k;
    }

    // Skipped entries keep their slot and are not counted.
    cam.state.setResolutions({{1920, 1080, 30}, {0, 0, 0}, {1280, 720, 25}});
    ResolutionList *list = QV_SendGetResolution(cam.ip());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(list->entries[0].width, 1920);
    EXPECT_EQ(list->entries[1].width, 0);
    EXPECT_EQ(list->entries[2].height, 720);
    EXPECT_EQ(list->entries[2].fps, 25);
    std::free(list);
    // The camera refuses a size it does not offer in its status byte, which
    // the library does not read: still success.
    EXPECT_EQ(QV_SendSetResolution(cam.ip(), 333, 444), 1);

    std::vector<uint8_t> record(300);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<uint8_t>(i ^ 0x5A);
    cam.state.editSettings([&](camsim::DeviceSettings &s) { s.imuRecord = record; });
    std::vector<uint8_t> out(1499, 0xEE);
    EXPECT_EQ(QV_SendGetIMUData(cam.ip(), out.data()), 300);
    EXPECT_TRUE(std::equal(record.begin(), record.end(), out.begin()));
    EXPECT_EQ(out[300], 0xEE);

    // A list with count 0 is no answer.
    cam.clearRequests();
    cam.fault(FaultKind::ZeroResolutionCount, 9);
    EXPECT_EQ(QV_SendGetResolution(cam.ip()), nullptr);
    EXPECT_EQ(cam.requests().size(), 3u);
}

TEST(CommandExports, NetworkPayloadsAndTheirDiagnostics)
{
    START_CAMERA(cam, "127.21.4.1");
    // The diagnostics name the network but never print the password.
    testing::internal::CaptureStdout();
    EXPECT_EQ(QV_SendApParamsWithIp(cam.ip(), 0x302, "office", "secret!!", "10.1.1.5"), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ssid office, pass ********, static ip:10.1.1.5\n");
    const camsim::NetworkParams n = cam.state.settings().network;
    EXPECT_EQ(n.mode, 2); // the low byte of the mode
    EXPECT_EQ(n.ssid, "office");
    EXPECT_EQ(n.password, "secret!!");
    EXPECT_EQ(n.staticIp, "10.1.1.5");
    const Bytes raw = cam.requests().back().raw;
    for (size_t i : {24 + 1 + 6, 24 + 33 + 8, 24 + 65 + 8, 24 + 96}) // the NUL padding
        EXPECT_EQ(raw[i], 0) << i;

    EXPECT_EQ(QV_SendK21Update(cam.ip(), htonl(0xC0A8010A), 8080, "fw.bin"), 1);
    EXPECT_EQ(cam.state.settings().updateUrl, "url://192.168.1.10/fw.bin");
    EXPECT_EQ(cam.state.settings().updatePort, 8080);
    const Bytes update = cam.requests().back().raw;
    EXPECT_EQ(Bytes(update.begin() + 24, update.begin() + 28), (Bytes{192, 168, 1, 10}));
}

TEST(CommandExports, KeyPollReportsEachNewKeyEventOnce)
{
    // Its own last octet: the key table is indexed by it.
    START_CAMERA(cam, "127.21.5.77");
    cam.state.pressKey(0x31);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0); // the first poll only learns the counter
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    cam.state.pressKey(0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0);
    cam.state.pressKey(0x32);
    EXPECT_EQ(QV_SendGetKeyStatus(cam.ip()), 0x32);
}

TEST(CommandExports, LateReplyWithAnOldSequenceIsAccepted)
{
    START_CAMERA(cam, "127.21.6.1");
    // The first answer is held back until the retry arrives, which then
    // receives the stale answer first and takes it.
    cam.fault(FaultKind::LateReply, 0x1020, 1);
    EXPECT_EQ(QV_SendGetDeviceType(cam.ip()), cam.state.settings().deviceType);
    EXPECT_EQ(cam.requests().size(), 2u);
}

TEST(CommandExports, SilentCameraCostsEveryTryAndChangesNothing)
{
    START_CAMERA(cam, "127.21.7.1");
    cam.fault(FaultKind::NoReply, camsim::kAnyCode);
    EXPECT_EQ(QV_SendGetVersion(cam.ip()), 0);
    EXPECT_EQ(cam.requests().size(), 3u);
    int level = 5, charge = 5;
    EXPECT_EQ(QV_SendGetBattery2(cam.ip(), &level, &charge), -1);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(cam.requests().size(), 4u);
}

TEST(CommandExports, NullAndUnparsableAddressesFailWithoutLeavingLoopback)
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
        EXPECT_EQ(qv::commandSequence(), before + 5); // each took its number all the same
    }
}

TEST(Discovery, WritesTheAddressOfWhoeverAnswered)
{
    START_CAMERA(cam, "127.21.8.1", "127.21.8.2");
    const int version = cam.state.settings().version;
    char found[32];
    cam.fault(FaultKind::OtherAddress, 0x1002, 1);
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), found), version);
    EXPECT_STREQ(found, "127.21.8.2");
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), found), version);
    EXPECT_STREQ(found, "127.21.8.1");
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), nullptr), version);
}

TEST(Discovery, BroadcastOnLoopbackFindsAnyListeningCamera)
{
    // A camera on the broadcast address itself stands for "all cameras":
    // the request needs broadcast permission on the link to leave at all.
    SimCamera cam("127.255.255.255");
    if (!cam.started())
        GTEST_SKIP() << cam.error();
    char found[32] = {};
    EXPECT_EQ(QV_SendGetVersionWithIp("127.255.255.255", found), cam.state.settings().version);
    // The answer leaves from a host address of lo, never the broadcast one.
    in_addr sender{};
    ASSERT_EQ(inet_pton(AF_INET, found, &sender), 1) << found;
    EXPECT_EQ(ntohl(sender.s_addr) >> 24, 127u) << found;
    EXPECT_STRNE(found, "127.255.255.255");
}

} // namespace
