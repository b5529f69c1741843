// SPDX-License-Identifier: GPL-3.0-or-later

#include "media_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

std::string quoted(const std::string &s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Standard output of command, with its error output too when withErrors is
// set, or "<could not run>".
std::string run(const std::string &command, bool withErrors)
{
    FILE *p = popen((command + (withErrors ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
    if (!p)
        return "<could not run>";
    std::string output;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        output.append(buf, n);
    pclose(p);
    return output;
}

std::string firstLine(std::string s) { return s.substr(0, s.find_first_of("\r\n")); }

} // namespace

VideoProbe probeVideo(const std::string &path)
{
    VideoProbe result;
    std::istringstream line(run("ffprobe -v error -count_frames -select_streams v:0 "
                                "-show_entries stream=codec_name,nb_read_frames -of csv=p=0 " +
                                    quoted(path),
                                false));
    std::string frames;
    std::getline(line, result.codec, ',');
    std::getline(line, frames);
    try {
        result.framesRead = std::stol(frames);
    } catch (...) {
    }
    return result;
}

std::string probeAudioCodec(const std::string &path)
{
    return firstLine(run("ffprobe -v error -select_streams a:0 -show_entries stream=codec_name "
                         "-of csv=p=0 " + quoted(path), false));
}

std::string decodeErrors(const std::string &path)
{
    return run("ffmpeg -nostdin -v error -i " + quoted(path) + " -f null -", true);
}

void expectPlayableMjpeg(const std::string &path, long frames)
{
    const VideoProbe probe = probeVideo(path);
    EXPECT_EQ(probe.codec, "mjpeg") << path;
    EXPECT_EQ(probe.framesRead, frames) << path;
    EXPECT_EQ(decodeErrors(path), "") << path;
}
