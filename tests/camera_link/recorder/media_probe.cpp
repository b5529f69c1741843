#include "media_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

std::string quoted(const std::string &s)
{
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// Runs command and collects its standard output, and its error output too
// when withErrors is set.
bool run(const std::string &command, std::string &output, bool withErrors)
{
    FILE *p = popen((command + (withErrors ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
    if (!p)
        return false;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        output.append(buf, n);
    return pclose(p) != -1;
}

} // namespace

VideoProbe probeVideo(const std::string &path, DecodeScope scope)
{
    VideoProbe result;
    std::string out;
    result.ran = run("ffprobe -v error -count_frames -select_streams v:0 "
                     "-show_entries stream=codec_name,nb_read_frames -of csv=p=0 " +
                         quoted(path),
                     out, false);
    std::istringstream line(out);
    std::string frames;
    std::getline(line, result.codec, ',');
    std::getline(line, frames);
    try {
        result.framesRead = std::stol(frames);
    } catch (...) {
        result.framesRead = -1;
    }
    result.decodeErrors = decodeErrors(path, scope);
    return result;
}

std::string probeAudioCodec(const std::string &path)
{
    std::string out;
    run("ffprobe -v error -select_streams a:0 -show_entries stream=codec_name -of csv=p=0 " +
            quoted(path),
        out, false);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

std::string decodeErrors(const std::string &path, DecodeScope scope)
{
    std::string out;
    const char *streams = scope == DecodeScope::VideoOnly ? " -map 0:v" : "";
    if (!run("ffmpeg -nostdin -v error -i " + quoted(path) + streams + " -f null -", out, true))
        return "ffmpeg could not be started";
    return out;
}

void expectPlayableMjpeg(const std::string &path, long frames, DecodeScope scope)
{
    const VideoProbe probe = probeVideo(path, scope);
    ASSERT_TRUE(probe.ran) << "ffprobe could not be started";
    EXPECT_EQ(probe.codec, "mjpeg") << path;
    EXPECT_EQ(probe.framesRead, frames) << path;
    EXPECT_EQ(probe.decodeErrors, "") << path;
}
