// qvctl end to end: the real executable against the simulated camera,
// checked by its exit codes, its output and the camera's state afterwards.

#include "sim_camera.h"
#include "qvctl_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

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

    cam.state.setResolutions({{1920, 1080, 30}, {640, 480, 15}});
    r = qvctl("resolutions --camera 127.21.90.1");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "resolution 1920x1080@30\nresolution 640x480@15\n"))
        << r.output;

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
    EXPECT_EQ(qvctl("--camera 127.21.91.1 router homenet 'pass word'").status, 0);
    EXPECT_EQ(cam.state.settings().network.mode, 2);
    EXPECT_EQ(cam.state.settings().network.ssid, "homenet");
    EXPECT_EQ(cam.state.settings().network.password, "pass word");
    EXPECT_EQ(qvctl("--camera 127.21.91.1 ap-mode").status, 0);
    EXPECT_EQ(cam.state.settings().network.ssid, "");
    EXPECT_EQ(qvctl("--camera 127.21.91.1 reboot").status, 0);
    EXPECT_EQ(cam.state.settings().rebootCount, 1);
}

TEST(Qvctl, RefusesBadValuesWithoutSendingAnything)
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
}

TEST(Qvctl, UsageErrorsAreTold)
{
    QvctlRun r = qvctl("");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.output, "usage:")) << r.output;
    r = qvctl("--camera 127.21.93.1 frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.output, "unknown command")) << r.output;
    r = qvctl("version");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.output, "needs --camera")) << r.output;
    r = qvctl("discover");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(contains(r.output, "needs --broadcast")) << r.output;
    EXPECT_EQ(qvctl("--camera 127.21.93.1 autofocus").status, 2);
    EXPECT_EQ(qvctl("--camera").status, 2);
    EXPECT_EQ(qvctl("--colour red version").status, 2);
    r = qvctl("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(contains(r.output, "set-resolution")) << r.output;
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
