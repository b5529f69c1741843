// SPDX-License-Identifier: GPL-3.0-or-later

// Recordings of a private Xvfb screen through the exported calls, checked
// with ffprobe/ffmpeg as a player would see them. Also run under
// ThreadSanitizer: each recording runs three threads.

#include "grabix_params.h"
#include "painted_window.h"
#include "private_x_server.h"
#include "recording_probe.h"
#include "scratch_folder.h"

#include "grabix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

// When a connection breaks inside a request, libX11 (1.8) unlocks the
// connection's mutex a second time on its way out of the I/O error path;
// closing a broken connection goes through that path too. It is libX11's
// own, harmless with glibc's plain mutexes, and met only by the lost-server
// test: ThreadSanitizer is told to pass over mutex misuse inside libX11 and
// libXext, and still checks grabix's own threads.
extern "C" const char *__tsan_default_suppressions()
{
    return "mutex:libX11.so\nmutex:libXext.so\n";
}

namespace {

using namespace std::chrono_literals;

constexpr unsigned long kRed = 0xff0000, kGreen = 0x00ff00, kBlue = 0x0000ff;

struct HandleDeleter {
    void operator()(Grabix *h) const { grabix_DestroyGrabix(h); }
};
using Handle = std::unique_ptr<Grabix, HandleDeleter>;

Handle startRecording(const GrabixParams &p)
{
    grabix_Init();
    Handle h(grabix_CreateGrabix());
    grabix_PreCap(h.get(), &p);
    grabix_Start(h.get());
    return h;
}

#define REQUIRE_X(server) \
    if (!(server).running()) \
        GTEST_SKIP() << (server).problem();

TEST(GrabixRecord, RecordsTheRectangleAsMotionJpegOfWhatWasOnScreen)
{
    PrivateXServer server;
    REQUIRE_X(server);
    ScratchFolder dir;
    const std::string path = dir.file("screen.avi");
    PaintedWindow window(100, 80, 320, 240);
    ASSERT_TRUE(window.shown());
    window.fill(kRed);

    const auto began = std::chrono::steady_clock::now();
    Handle h = startRecording(grabixParams(path, 100, 80, 320, 240, 20));
    ASSERT_EQ(grabix_LastError(h.get()), GRABIX_OK);
    std::this_thread::sleep_for(500ms);
    window.fill(kGreen);
    std::this_thread::sleep_for(500ms);
    window.fill(kBlue);
    std::this_thread::sleep_for(500ms);
    grabix_Stop(h.get());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_OK);

    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.videoCodec, "mjpeg");
    EXPECT_EQ(info.width, 320);
    EXPECT_EQ(info.height, 240);
    EXPECT_EQ(info.audioCodec, "");
    // The recorder holds 20 frames/s against its clock: 30 for 1.5 s, a
    // few more when this machine was slow to return from the sleeps.
    EXPECT_GE(info.frames, 20);
    EXPECT_LE(info.frames, static_cast<long>(seconds * 20) + 3);

    // Every frame shows the window's colour of its moment: red, then
    // green, then blue, each for a while, and never an older colour again.
    const std::vector<Rgb> track = pixelTrack(path, 160, 120);
    ASSERT_EQ(static_cast<long>(track.size()), info.frames);
    std::string seen;
    for (const Rgb &p : track) {
        const char c = looksLike(p, kRed) ? 'r' : looksLike(p, kGreen) ? 'g' : looksLike(p, kBlue) ? 'b' : '?';
        if (seen.empty() || seen.back() != c)
            seen += c;
    }
    EXPECT_EQ(seen, "rgb");
}

TEST(GrabixRecord, RectangleReachingPastTheScreenIsClipped)
{
    PrivateXServer server(640, 480);
    REQUIRE_X(server);
    ScratchFolder dir;
    const std::string path = dir.file("clipped.avi");
    ::testing::internal::CaptureStderr();
    Handle h = startRecording(grabixParams(path, 600, 400, 200, 200));
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(grabix_LastError(h.get()), GRABIX_OK);
    EXPECT_NE(said.find("recording 40x80+600+400"), std::string::npos) << said;
    EXPECT_TRUE(waitForRecordedData(path));
    grabix_Stop(h.get());
    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.width, 40);
    EXPECT_EQ(info.height, 80);
}

TEST(GrabixRecord, RectangleOffTheScreenOrUnwritableFileFailsAtStart)
{
    PrivateXServer server(640, 480);
    REQUIRE_X(server);
    ScratchFolder dir;
    Handle off = startRecording(grabixParams(dir.file("off.avi"), 640, 0, 100, 100));
    EXPECT_EQ(grabix_LastError(off.get()), GRABIX_ERR_OUTSIDE_SCREEN);
    EXPECT_FALSE(std::filesystem::exists(dir.file("off.avi")));

    Handle nowhere = startRecording(grabixParams(dir.file("missing/folder.avi"), 0, 0, 100, 100));
    EXPECT_EQ(grabix_LastError(nowhere.get()), GRABIX_ERR_FILE_CREATE);

    // The same handle records once the parameters are right, and a good
    // start clears the failure.
    const GrabixParams good = grabixParams(dir.file("good.avi"), 0, 0, 100, 100);
    grabix_PreCap(nowhere.get(), &good);
    grabix_Start(nowhere.get());
    EXPECT_EQ(grabix_LastError(nowhere.get()), GRABIX_OK);
}

// The application's parameter block lives only until its slot returns.
TEST(GrabixRecord, ParametersAreCopiedAndDestroyFinishesARunningRecording)
{
    PrivateXServer server(640, 480);
    REQUIRE_X(server);
    ScratchFolder dir;
    const std::string path = dir.file("destroyed.avi");
    grabix_Init();
    Grabix *h = grabix_CreateGrabix();
    {
        auto p = std::make_unique<GrabixParams>(grabixParams(path, 0, 0, 128, 96, 25));
        grabix_PreCap(h, p.get());
        std::memset(p.get(), 0xAB, sizeof *p);
    }
    grabix_Start(h);
    EXPECT_TRUE(waitForRecordedData(path));
    grabix_DestroyGrabix(h);

    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.videoCodec, "mjpeg");
    EXPECT_EQ(info.width, 128);
    EXPECT_GE(info.frames, 2);
}

// A file the recorder cannot write: room for its header and nothing more
// (a full disk). Stop reports it instead of leaving a broken file that
// looks saved.
TEST(GrabixRecord, FileThatCannotBeWrittenIsReportedAtStop)
{
    PrivateXServer server(640, 480);
    REQUIRE_X(server);
    ScratchFolder dir;
    const std::string path = dir.file("full.avi");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 2048 + 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);

    Handle h = startRecording(grabixParams(path, 0, 0, 200, 200));
    const int started = grabix_LastError(h.get());
    std::this_thread::sleep_for(300ms);
    ::testing::internal::CaptureStderr();
    grabix_Stop(h.get());
    const std::string said = ::testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(started, GRABIX_OK);
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_ERR_FILE_WRITE);
    EXPECT_NE(said.find("full.avi"), std::string::npos) << said;
}

TEST(GrabixRecord, LostXServerEndsCaptureButTheFileIsFinished)
{
    auto server = std::make_unique<PrivateXServer>(640, 480);
    REQUIRE_X(*server);
    ScratchFolder dir;
    const std::string path = dir.file("lost.avi");
    Handle h = startRecording(grabixParams(path, 0, 0, 160, 120));
    ASSERT_EQ(grabix_LastError(h.get()), GRABIX_OK);
    std::this_thread::sleep_for(300ms);
    server->kill();
    std::this_thread::sleep_for(200ms);
    grabix_Stop(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_ERR_SCREEN_LOST);

    const RecordingInfo info = probeRecording(path);
    EXPECT_EQ(info.videoCodec, "mjpeg");
    EXPECT_GE(info.frames, 1);
}

// The id of this process's thread of that name; 0 when none has it.
pid_t threadNamed(const std::string &name)
{
    for (const auto &task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string line;
        if (std::getline(comm, line) && line == name)
            return pid_t(std::stol(task.path().filename().string()));
    }
    return 0;
}

// A lost X server can show first as a write to its closed socket, which
// raises SIGPIPE on the writing thread: that must end the recording, not
// the program. The signal is sent to the capture thread directly, as the
// write would.
TEST(GrabixRecord, SigpipeOnTheCaptureThreadDoesNotEndTheProgram)
{
    auto server = std::make_unique<PrivateXServer>(640, 480);
    REQUIRE_X(*server);
    ScratchFolder dir;
    Handle h = startRecording(grabixParams(dir.file("pipe.avi"), 0, 0, 160, 120));
    ASSERT_EQ(grabix_LastError(h.get()), GRABIX_OK);
    pid_t capture = 0;
    for (int i = 0; i < 100 && capture == 0; ++i) {
        capture = threadNamed("grabix-capture");
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_NE(capture, 0);
    ASSERT_EQ(syscall(SYS_tgkill, getpid(), capture, SIGPIPE), 0);
    std::this_thread::sleep_for(200ms);
    grabix_Stop(h.get());
    EXPECT_EQ(grabix_LastError(h.get()), GRABIX_OK);
}

} // namespace
