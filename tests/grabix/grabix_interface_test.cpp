// SPDX-License-Identifier: GPL-3.0-or-later

// The exported calls where no screen is needed: null handles, calls out of
// order, and parameter blocks that must be refused.

#include "grabix_params.h"
#include "scratch_folder.h"

#include "grabix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

struct HandleDeleter {
    void operator()(Grabix *h) const { grabix_DestroyGrabix(h); }
};
using Handle = std::unique_ptr<Grabix, HandleDeleter>;

Handle newHandle()
{
    grabix_Init();
    return Handle(grabix_CreateGrabix());
}

TEST(GrabixInterface, NullHandlesAreIgnored)
{
    const GrabixParams p = grabixParams("/tmp/never.avi", 0, 0, 10, 10);
    grabix_Init();
    grabix_PreCap(nullptr, &p);
    grabix_Start(nullptr);
    grabix_Stop(nullptr);
    grabix_DestroyGrabix(nullptr);
    EXPECT_EQ(grabix_LastError(nullptr), GRABIX_ERR_NO_HANDLE);
    EXPECT_FALSE(std::filesystem::exists("/tmp/never.avi"));
}

TEST(GrabixInterface, StopWithoutStartAndStartWithoutParameters)
{
    Handle h = newHandle();
    ASSERT_TRUE(h);
    grabix_Stop(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_OK);
    grabix_Start(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_ERR_PARAMS);
    grabix_Stop(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_ERR_PARAMS) << "a Stop with nothing running keeps the failure";
}

// strlen() on the path would run on into the next fields (audio is 1 here,
// so no NUL follows) and accept a 261-byte name.
TEST(GrabixInterface, PathWithoutNulInsideItsFieldIsRefused)
{
    ScratchFolder dir;
    const std::string prefix = dir.file("");
    auto p = std::make_unique<GrabixParams>(grabixParams("", 0, 0, 64, 64, 20, 1));
    std::memset(p->path, 'a', sizeof p->path);
    std::memcpy(p->path, prefix.data(), prefix.size());
    Handle h = newHandle();
    grabix_PreCap(h.get(), p.get());
    p.reset();
    grabix_Start(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_ERR_PATH);
    EXPECT_TRUE(std::filesystem::is_empty(prefix));
}

TEST(GrabixInterface, EmptyPathAndImpossibleSettingsAreRefused)
{
    struct Case {
        GrabixParams params;
        int expected;
    } cases[] = {
        {grabixParams("", 0, 0, 64, 64), GRABIX_ERR_PATH},
        {grabixParams("/tmp/x.avi", 0, 0, 64, 64, 0), GRABIX_ERR_PARAMS},
        {grabixParams("/tmp/x.avi", 0, 0, 64, 64, 1000), GRABIX_ERR_PARAMS},
        {grabixParams("/tmp/x.avi", 0, 0, 0, 64), GRABIX_ERR_PARAMS},
        {grabixParams("/tmp/x.avi", 0, 0, 64, -5), GRABIX_ERR_PARAMS},
    };
    Handle h = newHandle();
    for (const Case &c : cases) {
        grabix_PreCap(h.get(), &c.params);
        grabix_Start(h.get());
        EXPECT_EQ(grabix_LastError(h.get()), c.expected)
            << c.params.path << " " << c.params.frameRate << " " << c.params.width << "x" << c.params.height;
    }
}

class WithoutX : public ::testing::Test {
protected:
    void SetUp() override
    {
        save("DISPLAY", display_);
        save("WAYLAND_DISPLAY", wayland_);
    }
    void TearDown() override
    {
        restore("DISPLAY", display_);
        restore("WAYLAND_DISPLAY", wayland_);
    }

    // Starts a recording and returns its failure; no file may appear.
    int startFails(const std::string &expectedInMessage)
    {
        ScratchFolder dir;
        const GrabixParams p = grabixParams(dir.file("screen.avi"), 0, 0, 64, 64);
        Handle h = newHandle();
        grabix_PreCap(h.get(), &p);
        ::testing::internal::CaptureStderr();
        grabix_Start(h.get());
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(expectedInMessage), std::string::npos) << said;
        EXPECT_FALSE(std::filesystem::exists(dir.file("screen.avi")));
        grabix_Stop(h.get());
        return grabix_LastError(h.get());
    }

private:
    struct Saved {
        bool set = false;
        std::string value;
    };
    static void save(const char *name, Saved &s)
    {
        const char *v = std::getenv(name);
        s.set = v != nullptr;
        s.value = v ? v : "";
        unsetenv(name);
    }
    static void restore(const char *name, const Saved &s)
    {
        if (s.set)
            setenv(name, s.value.c_str(), 1);
        else
            unsetenv(name);
    }
    Saved display_, wayland_;
};

TEST_F(WithoutX, NoDisplayVariable)
{
    EXPECT_EQ(startFails("DISPLAY is not set"), GRABIX_ERR_NO_SCREEN);
}

TEST_F(WithoutX, WaylandSessionWithoutX)
{
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_EQ(startFails("Wayland"), GRABIX_ERR_NO_SCREEN);
}

TEST_F(WithoutX, DisplayThatNobodyServes)
{
    setenv("DISPLAY", ":59999", 1);
    EXPECT_EQ(startFails("cannot connect"), GRABIX_ERR_NO_SCREEN);
}

} // namespace
