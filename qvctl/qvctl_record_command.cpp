// SPDX-License-Identifier: GPL-3.0-or-later

// "record": the camera's live stream into an AVI file for a number of
// seconds. Frames are taken from the preview stream the way the application's
// worker takes them and handed to the recorder, which paces them into a
// constant-rate track.

#include "qvctl_command.h"
#include "qvctl_output.h"

#include "qv_camera.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace qvctl {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecordFps = 15;
constexpr long kMaxSeconds = 24L * 3600;
// The picture size for the file's header comes with the first frame.
constexpr auto kFirstFrameWait = std::chrono::seconds(5);
constexpr auto kIdleWait = std::chrono::milliseconds(5);

bool parseSeconds(const std::string &text, long &seconds)
{
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || value < 1 || value > kMaxSeconds)
        return false;
    seconds = value;
    return true;
}

std::uint32_t wordAt(const unsigned char *p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The frame count of a finished recording, read back from its header; -1
// when the file is not a finished AVI (its RIFF size must match its length).
long finishedFrameCount(const std::string &path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return -1;
    const std::streamoff length = in.tellg();
    unsigned char head[52] = {};
    in.seekg(0);
    if (length < 2048 || !in.read(reinterpret_cast<char *>(head), sizeof head))
        return -1;
    if (std::string(reinterpret_cast<char *>(head), 4) != "RIFF" ||
        std::string(reinterpret_cast<char *>(head) + 8, 4) != "AVI " ||
        wordAt(head + 4) != static_cast<std::uint64_t>(length) - 8)
        return -1;
    return static_cast<long>(wordAt(head + 48));
}

// The folder the file goes into must exist and take new files; checked
// before the camera is asked for anything, so a typo fails at once.
bool folderTakesFiles(const std::string &path, std::string &folder)
{
    const std::string::size_type slash = path.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct stat st {};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           access(folder.c_str(), W_OK | X_OK) == 0;
}

// Waits up to kFirstFrameWait for a frame; its length, or 0.
int firstFrame(PreviewStream *stream, std::vector<unsigned char> &frame)
{
    FrameInfo info{};
    const auto deadline = Clock::now() + kFirstFrameWait;
    for (;;) {
        const int length = QV_GetVideoFrame(stream, frame.data(), &info);
        if (length > 0)
            return length;
        if (Clock::now() >= deadline)
            return 0;
        std::this_thread::sleep_for(kIdleWait);
    }
}

// Feeds frames to the recorder until the time is up; returns how many.
long feedFrames(PreviewStream *stream, Recorder *recorder, std::vector<unsigned char> &frame,
                int length, long seconds)
{
    FrameInfo info{};
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    long received = 0;
    for (;;) {
        if (length > 0) {
            QV_AddVideoData(recorder, frame.data(), length);
            ++received;
        }
        if (Clock::now() >= end)
            return received;
        length = QV_GetVideoFrame(stream, frame.data(), &info);
        if (length <= 0)
            std::this_thread::sleep_for(kIdleWait);
    }
}

} // namespace

int runRecord(const Invocation &in)
{
    long seconds = 0;
    if (!parseSeconds(in.args[0], seconds)) {
        std::fprintf(stderr, "qvctl: record: SECONDS must be a whole number from 1 to %ld\n",
                     kMaxSeconds);
        return kExitBadValue;
    }
    const std::string &path = in.args[1];
    std::string folder;
    if (!folderTakesFiles(path, folder)) {
        std::fprintf(stderr, "qvctl: record: the folder %s does not exist or cannot take new "
                             "files\n",
                     folder.c_str());
        return kExitFileFailed;
    }

    PreviewStream *stream = QV_StartPreview(in.camera.c_str());
    if (!stream) {
        std::fprintf(stderr, "qvctl: record: cannot start the stream from %s\n", in.camera.c_str());
        return kExitCameraFailed;
    }
    std::vector<unsigned char> frame(QV_MAX_FRAME_BYTES);
    const int length = firstFrame(stream, frame);
    if (length <= 0) {
        QV_StopPreview(stream);
        std::fprintf(stderr, "qvctl: record: no picture from %s\n", in.camera.c_str());
        return kExitCameraFailed;
    }
    int kind = 0, width = 0, height = 0;
    QV_GetVideoParams(stream, &kind, &width, &height);

    Recorder *recorder = QV_InitRecord();
    if (recorder)
        QV_SetVideoParams(recorder, width, height, kRecordFps);
    if (!recorder || !QV_StartRecord(recorder, path.c_str())) {
        QV_DeInitRecord(recorder);
        QV_StopPreview(stream);
        std::fprintf(stderr, "qvctl: record: cannot create %s\n", path.c_str());
        return kExitFileFailed;
    }
    const long received = feedFrames(stream, recorder, frame, length, seconds);
    QV_StopRecord(recorder);
    QV_DeInitRecord(recorder);
    QV_StopPreview(stream);

    const long written = finishedFrameCount(path);
    if (written < 0) {
        std::fprintf(stderr, "qvctl: record: %s could not be finished\n", path.c_str());
        return kExitFileFailed;
    }
    std::fprintf(answers(), "record: %ld frames (%ld received) of %dx%d at %d fps in %s\n", written, received,
                width, height, kRecordFps, path.c_str());
    return kExitOk;
}

} // namespace qvctl
