// SPDX-License-Identifier: GPL-3.0-or-later

// qvctl's record command end to end: the real executable records the
// simulated camera's stream, and the file it leaves is checked like every
// other recording. Each test has its own loopback address (127.44.<n>.1).

#include "avi_image.h"
#include "media_probe.h"
#include "scratch_dir.h"
#include "qvctl_run.h"

#include "command/sim_camera_state.h"
#include "stream/sim_stream_session.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace {

// The simulator's stream side on one address, with a small picture.
camsim::StreamOptions smallPicture()
{
    camsim::StreamOptions options;
    options.width = 640;
    options.height = 480;
    return options;
}

struct StreamingCamera {
    explicit StreamingCamera(const std::string &address) : session(state, address, smallPicture())
    {
    }
    camsim::SimCameraState state;
    camsim::StreamSession session;
};

TEST(QvctlRecord, RecordsTheStreamIntoAPlayableFile)
{
    StreamingCamera camera("127.44.1.1");
    ASSERT_TRUE(camera.session.start());
    ScratchDir dir;
    const std::string path = dir.file("clip.avi");
    const QvctlRun r = qvctl("--camera 127.44.1.1 record 1 " + path);
    ASSERT_EQ(r.status, 0) << r.output;

    const AviImage avi = AviImage::fromFile(path);
    EXPECT_EQ(avi.structureProblem(), "");
    EXPECT_EQ(avi.u32(64), 640u);
    EXPECT_EQ(avi.u32(68), 480u);
    EXPECT_EQ(avi.u32(132), 15000000u);
    const long frames = static_cast<long>(avi.u32(48));
    EXPECT_GT(frames, 1);
    EXPECT_NE(r.output.find("record: " + std::to_string(frames) + " frames"), std::string::npos)
        << r.output;
    expectPlayableMjpeg(path, frames);
}

TEST(QvctlRecord, MissingFolderFailsBeforeAskingTheCamera)
{
    // No camera at this address: a record that waited for a picture would
    // end with "no picture" (exit 1) after its wait.
    ScratchDir dir;
    const QvctlRun r = qvctl("--camera 127.44.2.1 record 1 " + dir.file("no/such/folder.avi"));
    EXPECT_EQ(r.status, 4) << r.output;
    EXPECT_NE(r.output.find("folder " + dir.file("no/such") + " does not exist"),
              std::string::npos)
        << r.output;
}

TEST(QvctlRecord, FileThatCannotBeCreatedIsReported)
{
    StreamingCamera camera("127.44.4.1");
    ASSERT_TRUE(camera.session.start());
    ScratchDir dir;
    // The folder is there, but the name is taken by a folder.
    const std::string taken = dir.file("taken");
    ASSERT_EQ(mkdir(taken.c_str(), 0700), 0);
    const QvctlRun r = qvctl("--camera 127.44.4.1 record 1 " + taken);
    EXPECT_EQ(r.status, 4) << r.output;
    EXPECT_NE(r.output.find("cannot create"), std::string::npos) << r.output;
}

TEST(QvctlRecord, DurationMustBeWholePositiveSeconds)
{
    for (const char *bad : {"0", "1.5", "soon", "86401"}) {
        const QvctlRun r = qvctl(std::string("--camera 127.44.3.1 record ") + bad + " x.avi");
        EXPECT_EQ(r.status, 3) << bad << ": " << r.output;
    }
}

} // namespace
