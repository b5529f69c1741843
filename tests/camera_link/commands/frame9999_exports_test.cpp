// The 0x9999 exports against the simulated camera: request headers and
// payloads, which replies each accepts, and what each returns.

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

#define START_CAMERA(name, ...)                                                               \
    SimCamera name(__VA_ARGS__);                                                              \
    ASSERT_TRUE(name.started()) << name.error()

struct Expected9999 {
    uint16_t code;
    uint32_t a1;
    uint32_t a2;
    size_t length;
};

void expectHeader(const SimRequest &r, const Expected9999 &e, uint32_t seq, const char *what)
{
    EXPECT_EQ(r.family, Family::Frame9999) << what;
    EXPECT_EQ(r.code, e.code) << what;
    EXPECT_EQ(r.seq, seq) << what;
    EXPECT_EQ(r.a1, e.a1) << what;
    EXPECT_EQ(r.a2, e.a2) << what;
    EXPECT_EQ(r.word16, 0u) << what;
    EXPECT_EQ(r.word20, 0u) << what;
    EXPECT_EQ(r.raw.size(), e.length) << what;
}

TEST(Frame9999Exports, RequestHeadersOfEveryCommand)
{
    START_CAMERA(cam, "127.21.20.1");
    int five[5];
    int level = 0, charge = 0;
    std::vector<uint8_t> imu(1499);
    char ip[] = "127.21.20.1";
    struct Case {
        const char *what;
        std::function<void()> call;
        Expected9999 expected;
    };
    const Case cases[] = {
        {"version", [&] { QV_SendGetVersion(cam.ip()); }, {0x1002, 0, 0, 24}},
        {"battery", [&] { QV_SendGetBattery(cam.ip()); }, {0x1017, 0, 0, 24}},
        {"battery2", [&] { QV_SendGetBattery2(cam.ip(), &level, &charge); }, {0x1017, 0, 0, 24}},
        {"channel", [&] { QV_SendSetChannel(cam.ip(), 11); }, {0x1014, 11, 0, 24}},
        {"get type", [&] { QV_SendGetDeviceType(cam.ip()); }, {0x1020, 0, 0, 24}},
        {"set type", [&] { QV_SendSetDeviceType(cam.ip(), 7); }, {0x1021, 7, 0, 24}},
        {"set value", [&] { QV_SendSetDeviceValue(cam.ip(), 0x71234, -2); },
         {0x1234, 0xFFFFFFFE, 0, 24}},
        {"get value", [&] { QV_SendGetDeviceValue(cam.ip(), 0x4321); }, {0x4321, 0, 0, 24}},
        {"autofocus", [&] { QV_SendSetAutoFocus(cam.ip(), 1); }, {0x24, 1, 0, 24}},
        {"exposure", [&] { QV_SendSetAutoExposure(ip, 0); }, {0x27, 0, 0, 24}},
        {"set cam value", [&] { QV_SendSetCameraValue(cam.ip(), 2, 77); }, {0x2E, 2, 77, 24}},
        {"get cam value", [&] { QV_SendGetCameraValue(cam.ip(), 3); }, {0x2D, 3, 0, 24}},
        {"query cam value", [&] { QV_SendQueryCameraValue(cam.ip(), 4, five); }, {0x2F, 4, 0, 24}},
        {"imu", [&] { QV_SendGetIMUData(cam.ip(), imu.data()); }, {0x1065, 0, 0, 24}},
        {"led", [&] { QV_SendSetPXRDLed(cam.ip(), 3); }, {0x1066, 0x1A01, 0, 24}},
        {"fan", [&] { QV_SendSetPXRDFan(cam.ip(), 2); }, {0x1066, 0x1B00, 0, 24}},
        {"network", [&] { QV_SendApParams(cam.ip(), 2, "net", "pass"); }, {0x1010, 0, 65, 89}},
        {"network ip", [&] { QV_SendApParamsWithIp(cam.ip(), 2, "net", "pass", "10.1.1.5"); },
         {0x1010, 0, 97, 121}},
        {"clear network", [&] { QV_SendClearApParams(cam.ip()); }, {0x1011, 0, 0, 24}},
        {"ethernet", [&] { QV_SendSetEthernet(cam.ip()); }, {0x1012, 0, 0, 24}},
        {"update", [&] { QV_SendK21Update(cam.ip(), htonl(0xC0A8010A), 8080, "fw.bin"); },
         {0x1051, 0, 134, 158}},
    };
    for (const Case &c : cases) {
        cam.clearRequests();
        c.call();
        const auto all = cam.requests();
        ASSERT_EQ(all.size(), 1u) << c.what;
        expectHeader(all[0], c.expected, qv::commandSequence(), c.what);
    }
}

TEST(Frame9999Exports, ResultsComeFromTheReply)
{
    START_CAMERA(cam, "127.21.21.1");
    cam.state.editSettings([](camsim::DeviceSettings &s) {
        s.version = 4711;
        s.batteryLevel = 55;
        s.batteryCharge = 2;
        s.deviceType = 9;
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

    EXPECT_EQ(QV_SendGetDeviceType(cam.ip()), 9);
    EXPECT_EQ(QV_SendSetDeviceType(cam.ip(), 12), 1);
    EXPECT_EQ(QV_SendGetDeviceType(cam.ip()), 12);
    EXPECT_EQ(QV_SendSetDeviceValue(cam.ip(), 0x3333, 42), 1);
    EXPECT_EQ(QV_SendGetDeviceValue(cam.ip(), 0x3333), 42);
    EXPECT_EQ(QV_SendSetChannel(cam.ip(), 13), 1);
    EXPECT_EQ(cam.state.settings().channel, 13);

    EXPECT_EQ(QV_SendSetAutoFocus(cam.ip(), 0), 1);
    EXPECT_EQ(cam.state.settings().autofocus, 0);
    char ip[] = "127.21.21.1";
    EXPECT_EQ(QV_SendSetAutoExposure(ip, 5), 1);
    EXPECT_EQ(cam.state.settings().autoExposure, 5);

    EXPECT_EQ(QV_SendSetCameraValue(cam.ip(), 1, 70), 1);
    EXPECT_EQ(QV_SendGetCameraValue(cam.ip(), 1), 70);
    int five[5] = {};
    EXPECT_EQ(QV_SendQueryCameraValue(cam.ip(), 1, five), 70);
    const camsim::PictureParam p = cam.state.settings().pictureParams[1];
    EXPECT_EQ(five[0], p.minimum);
    EXPECT_EQ(five[1], p.maximum);
    EXPECT_EQ(five[2], p.step);
    EXPECT_EQ(five[3], p.defaultValue);
    EXPECT_EQ(five[4], 70);

    EXPECT_EQ(QV_SendSetPXRDLed(cam.ip(), 1), 1);
    EXPECT_EQ(QV_SendSetPXRDFan(cam.ip(), 1), 1);
    EXPECT_TRUE(cam.state.settings().ledOn);
    EXPECT_TRUE(cam.state.settings().fanOn);
    EXPECT_EQ(QV_SendSetEthernet(cam.ip()), 1);
    EXPECT_TRUE(cam.state.settings().ethernet);
}

TEST(Frame9999Exports, PayloadsOfNetworkAndUpdateCommands)
{
    START_CAMERA(cam, "127.21.22.1");
    // The diagnostics name the network but never print the password.
    testing::internal::CaptureStdout();
    EXPECT_EQ(QV_SendApParamsWithIp(cam.ip(), 0x302, "office", "secret!!", "10.1.1.5"), 1);
    EXPECT_EQ(QV_SendApParams(cam.ip(), 2, "office", "secret!!"), 1);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, "ssid office, pass ********, static ip:10.1.1.5\n"
                       "ssid office, pass ********\n");
    EXPECT_EQ(QV_SendApParamsWithIp(cam.ip(), 0x302, "office", "secret!!", "10.1.1.5"), 1);
    camsim::NetworkParams n = cam.state.settings().network;
    EXPECT_EQ(n.mode, 2);
    EXPECT_EQ(n.ssid, "office");
    EXPECT_EQ(n.password, "secret!!");
    EXPECT_EQ(n.staticIp, "10.1.1.5");
    const Bytes raw = cam.requests().back().raw;
    EXPECT_EQ(raw[24], 2);
    EXPECT_EQ(raw[24 + 1 + 6], 0);  // SSID padding
    EXPECT_EQ(raw[24 + 33 + 8], 0); // password padding

    EXPECT_EQ(QV_SendClearApParams(cam.ip()), 1);
    EXPECT_EQ(cam.state.settings().network.ssid, "");

    EXPECT_EQ(QV_SendK21Update(cam.ip(), htonl(0xC0A8010A), 8080, "fw.bin"), 1);
    EXPECT_EQ(cam.state.settings().updateUrl, "url://192.168.1.10/fw.bin");
    EXPECT_EQ(cam.state.settings().updatePort, 8080);
    const Bytes update = cam.requests().back().raw;
    EXPECT_EQ(Bytes(update.begin() + 24, update.begin() + 28), (Bytes{192, 168, 1, 10}));
}

TEST(Frame9999Exports, ImuRecordIsCopiedWithItsLength)
{
    START_CAMERA(cam, "127.21.23.1");
    std::vector<uint8_t> record(300);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<uint8_t>(i ^ 0x5A);
    cam.state.editSettings([&](camsim::DeviceSettings &s) { s.imuRecord = record; });
    std::vector<uint8_t> out(1499, 0xEE);
    EXPECT_EQ(QV_SendGetIMUData(cam.ip(), out.data()), 300);
    EXPECT_TRUE(std::equal(record.begin(), record.end(), out.begin()));
    EXPECT_EQ(out[300], 0xEE);

    cam.state.editSettings([](camsim::DeviceSettings &s) { s.imuRecord.clear(); });
    EXPECT_EQ(QV_SendGetIMUData(cam.ip(), out.data()), -1); // length 0 never satisfies
    EXPECT_EQ(cam.requests().size(), 1u + 3u);
}

// Which commands take a reply whose magic is not 0x9999.
TEST(Frame9999Exports, ForeignMagicIsAcceptedOnlyWhereTheCodeAloneCounts)
{
    START_CAMERA(cam, "127.21.24.1");
    char ip[] = "127.21.24.1";
    char found[32];
    int level, charge, five[5];
    std::vector<uint8_t> imu(1499);
    struct Case {
        const char *what;
        std::function<int()> call;
        bool accepts;
        size_t tries = 3;
    };
    const Case cases[] = {
        {"network", [&] { return QV_SendApParams(cam.ip(), 2, "a", "b"); }, true},
        {"network ip", [&] { return QV_SendApParamsWithIp(cam.ip(), 2, "a", "b", "1.2.3.4"); },
         true},
        {"clear network", [&] { return QV_SendClearApParams(cam.ip()); }, true},
        {"version", [&] { return QV_SendGetVersion(cam.ip()) > 0; }, true},
        {"discovery", [&] { return QV_SendGetVersionWithIp(cam.ip(), found) > 0; }, true},
        {"ethernet", [&] { return QV_SendSetEthernet(cam.ip()); }, true},
        {"update", [&] { return QV_SendK21Update(cam.ip(), htonl(0x0A000001), 1, "f"); }, true},
        {"battery", [&] { return QV_SendGetBattery(cam.ip()) != -1; }, false, 1},
        {"battery2", [&] { return QV_SendGetBattery2(cam.ip(), &level, &charge) == 1; }, false, 1},
        {"channel", [&] { return QV_SendSetChannel(cam.ip(), 1); }, false},
        {"get type", [&] { return QV_SendGetDeviceType(cam.ip()) != -1; }, false},
        {"set type", [&] { return QV_SendSetDeviceType(cam.ip(), 1); }, false},
        {"set value", [&] { return QV_SendSetDeviceValue(cam.ip(), 0x5555, 1); }, false},
        {"get value", [&] { return QV_SendGetDeviceValue(cam.ip(), 0x5555) != -1; }, false},
        {"autofocus", [&] { return QV_SendSetAutoFocus(cam.ip(), 1); }, false},
        {"exposure", [&] { return QV_SendSetAutoExposure(ip, 1); }, false},
        {"set cam value", [&] { return QV_SendSetCameraValue(cam.ip(), 0, 1); }, false},
        {"get cam value", [&] { return QV_SendGetCameraValue(cam.ip(), 0) != -1; }, false},
        {"query cam value", [&] { return QV_SendQueryCameraValue(cam.ip(), 1, five) != 0; }, false},
        {"imu", [&] { return QV_SendGetIMUData(cam.ip(), imu.data()) > 0; }, false},
        {"led", [&] { return QV_SendSetPXRDLed(cam.ip(), 1); }, false},
        {"fan", [&] { return QV_SendSetPXRDFan(cam.ip(), 1); }, false},
    };
    for (const Case &c : cases) {
        cam.clearFaults();
        cam.fault(FaultKind::WrongMagic, camsim::kAnyCode);
        cam.clearRequests();
        EXPECT_EQ(c.call() != 0, c.accepts) << c.what;
        // Rejections use up the command's tries; acceptance ends at once.
        EXPECT_EQ(cam.requests().size(), c.accepts ? 1u : c.tries) << c.what;
    }
}

TEST(Frame9999Exports, LateReplyWithAnOldSequenceIsAccepted)
{
    START_CAMERA(cam, "127.21.25.1");
    // The first request's answer is held back until the second request
    // arrives; the retry then receives the stale answer first and takes it.
    cam.fault(FaultKind::LateReply, 0x1020, 1);
    cam.state.editSettings([](camsim::DeviceSettings &s) { s.deviceType = 21; });
    EXPECT_EQ(QV_SendGetDeviceType(cam.ip()), 21);
    EXPECT_EQ(cam.requests().size(), 2u);
}

TEST(Discovery, WritesTheAddressOfWhoeverAnswered)
{
    START_CAMERA(cam, "127.21.26.1", "127.21.26.2");
    cam.fault(FaultKind::OtherAddress, 0x1002);
    char found[32];
    std::memset(found, 'X', sizeof found);
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), found), cam.state.settings().version);
    EXPECT_STREQ(found, "127.21.26.2");

    cam.clearFaults();
    std::memset(found, 'X', sizeof found);
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), found), cam.state.settings().version);
    EXPECT_STREQ(found, "127.21.26.1");
    // Without a place to write, the version still comes back.
    EXPECT_EQ(QV_SendGetVersionWithIp(cam.ip(), nullptr), cam.state.settings().version);
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
