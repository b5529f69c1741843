// SPDX-License-Identifier: GPL-3.0-or-later

// qvctl end to end: the real executable against the simulated camera,
// checked by its exit codes, its output and the camera's state afterwards.

#include "sim_camera.h"
#include "qvctl_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using camsim::FaultKind;

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

#define START_CAMERA(name, address)                                                           \
    SimCamera name(address);                                                                  \
    ASSERT_TRUE(name.started()) << name.error()

TEST(Qvctl, ReadsVersionBatteryAndResolutions)
{
    START_CAMERA(cam, "127.21.90.1");
    QvctlRun r = qvctl("--camera 127.21.90.1 version");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "version 30200")) << r.output;
    r = qvctl("--camera 127.21.90.1 battery");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "battery 87 charge 1")) << r.output;

    // Each size once, and nothing but the answers on standard output.
    cam.state.setResolutions({{1920, 1080, 30}, {640, 480, 15}, {1920, 1080, 30}});
    r = qvctlSeparated("resolutions --camera 127.21.90.1");
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.output, "resolution 1920x1080@30\nresolution 640x480@15\n");
    EXPECT_TRUE(contains(r.errors, "width=1920")) << r.errors; // the library's lines

    r = qvctl("--broadcast 127.21.90.1 discover");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "camera 127.21.90.1 version 30200")) << r.output;
}

TEST(Qvctl, ChangesTheCameraSetup)
{
    START_CAMERA(cam, "127.21.91.1");
    EXPECT_EQ(qvctl("--camera 127.21.91.1 set-resolution 1280x720").status, 0);
    EXPECT_EQ(cam.state.currentResolution().width, 1280);
    EXPECT_EQ(qvctl("--camera 127.21.91.1 autofocus off").status, 0);
    EXPECT_EQ(cam.state.settings().autofocus, 0);
    const QvctlRun router = qvctlSeparated("--camera 127.21.91.1 router homenet 'pass word'");
    EXPECT_EQ(router.status, 0);
    EXPECT_EQ(router.output, "router: done\n");
    // A password in a log is a leak: the library's line masks it.
    EXPECT_TRUE(contains(router.errors, "ssid homenet, pass ********")) << router.errors;
    EXPECT_FALSE(contains(router.output + router.errors, "pass word"));
    EXPECT_EQ(cam.state.settings().network.ssid, "homenet");
    EXPECT_EQ(cam.state.settings().network.password, "pass word");
    EXPECT_EQ(qvctl("--camera 127.21.91.1 ap-mode").status, 0);
    EXPECT_EQ(cam.state.settings().network.ssid, "");
    EXPECT_EQ(qvctl("--camera 127.21.91.1 reboot").status, 0);
    EXPECT_EQ(cam.state.settings().rebootCount, 1);
}

TEST(Qvctl, BadValuesExitWithThreeWithoutSendingAnything)
{
    START_CAMERA(cam, "127.21.92.1");
    const std::string long33(33, 'n');
    for (const std::string &args :
         {"router " + long33 + " password", "router name " + long33, std::string("router '' pw"),
          std::string("set-resolution 1920"), std::string("set-resolution 0x10"),
          std::string("set-resolution 70000x10"), std::string("autofocus maybe")}) {
        const QvctlRun r = qvctl("--camera 127.21.92.1 " + args);
        EXPECT_EQ(r.status, 3) << args << ": " << r.output;
    }
    EXPECT_TRUE(cam.requests().empty());
    for (const char *args : {"--camera camera.local version", "--camera 127.21.92 version",
                             "--camera 127.21.92.1.1 version", "--camera ::1 battery",
                             "--broadcast 127.21.92.256 discover"}) {
        const QvctlRun r = qvctl(args);
        EXPECT_EQ(r.status, 3) << args << ": " << r.output;
        EXPECT_TRUE(contains(r.output, "is not a dotted IPv4 address")) << r.output;
    }
    // A size the camera does not offer: only the list was asked for.
    cam.state.setResolutions({{1920, 1080, 30}, {640, 480, 30}});
    const QvctlRun r = qvctl("--camera 127.21.92.1 set-resolution 1280x720");
    EXPECT_EQ(r.status, 3) << r.output;
    EXPECT_TRUE(contains(r.output, "does not offer 1280x720 (it offers 1920x1080 640x480)"))
        << r.output;
    EXPECT_EQ(cam.requests().back().code, 9);
}

TEST(Qvctl, UsageErrorsExitWithTwoAndSayWhy)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "usage:"},
        {"--camera 127.21.93.1 frobnicate", "unknown command"},
        {"version", "needs --camera"},
        {"discover", "needs --broadcast"},
        {"--camera 127.21.93.1 autofocus", "usage: qvctl autofocus"},
        {"--camera", "usage:"},
        {"--colour red version", "usage:"},
    };
    for (const auto &[args, told] : cases) {
        const QvctlRun r = qvctl(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(contains(r.output, told)) << args << ": " << r.output;
    }
    const QvctlRun help = qvctlSeparated("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(contains(help.output, "set-resolution")) << help.output;
    EXPECT_EQ(help.errors, "");
}

TEST(Qvctl, CameraFailuresExitWithOne)
{
    START_CAMERA(cam, "127.21.94.1");
    cam.fault(FaultKind::WrongCode, camsim::kAnyCode);
    for (const char *args : {"reboot", "autofocus on", "resolutions", "ap-mode"}) {
        const QvctlRun r = qvctl(std::string("--camera 127.21.94.1 ") + args);
        EXPECT_EQ(r.status, 1) << args << ": " << r.output;
        EXPECT_TRUE(contains(r.output, "127.21.94.1")) << r.output;
    }
}

} // namespace
