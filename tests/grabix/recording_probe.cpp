// SPDX-License-Identifier: GPL-3.0-or-later

#include "recording_probe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace {

std::string quoted(const std::string &s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string output(const std::string &command)
{
    std::string out;
    FILE *p = popen((command + " 2>/dev/null").c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    return out;
}

std::string firstLine(const std::string &text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

RecordingInfo probeRecording(const std::string &path)
{
    RecordingInfo info;
    std::istringstream video(output("ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                                    "stream=codec_name,width,height,nb_read_frames -of csv=p=0 " +
                                    quoted(path)));
    std::string field;
    std::getline(video, info.videoCodec, ',');
    if (std::getline(video, field, ','))
        info.width = std::atoi(field.c_str());
    if (std::getline(video, field, ','))
        info.height = std::atoi(field.c_str());
    if (std::getline(video, field))
        info.frames = std::atol(field.c_str());
    info.audioCodec = firstLine(output("ffprobe -v error -select_streams a:0 -show_entries "
                                       "stream=codec_name -of csv=p=0 " + quoted(path)));
    return info;
}

std::vector<Rgb> pixelTrack(const std::string &path, int x, int y)
{
    const std::string crop = "format=rgb24,crop=1:1:" + std::to_string(x) + ":" + std::to_string(y);
    const std::string bytes = output("ffmpeg -nostdin -v error -i " + quoted(path) + " -vf '" + crop +
                                     "' -vsync 0 -f rawvideo -pix_fmt rgb24 -");
    std::vector<Rgb> track;
    for (std::size_t i = 0; i + 3 <= bytes.size(); i += 3)
        track.push_back(Rgb{static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1]),
                            static_cast<unsigned char>(bytes[i + 2])});
    return track;
}

bool looksLike(const Rgb &pixel, unsigned long rgb, int tolerance)
{
    const int r = static_cast<int>((rgb >> 16) & 0xff);
    const int g = static_cast<int>((rgb >> 8) & 0xff);
    const int b = static_cast<int>(rgb & 0xff);
    return std::abs(pixel.r - r) <= tolerance && std::abs(pixel.g - g) <= tolerance &&
           std::abs(pixel.b - b) <= tolerance;
}

bool waitForRecordedData(const std::string &path)
{
    // The recorder's header area is 2048 bytes; a frame chunk follows it.
    for (int i = 0; i < 2000; ++i) {
        std::error_code error;
        if (std::filesystem::file_size(path, error) > 4096 && !error)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}
