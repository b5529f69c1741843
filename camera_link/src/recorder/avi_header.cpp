// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/avi_header.h"

#include "recorder/little_endian_writer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr std::uint32_t kFlagHasIndex = 0x10;
constexpr std::uint32_t kFlagInterleaved = 0x100;
constexpr std::uint32_t kMainHeaderBytes = 56;
constexpr std::uint32_t kStreamHeaderBytes = 56;
constexpr std::uint32_t kBitmapHeaderBytes = 40;
constexpr std::uint32_t kWaveHeaderBytes = 16;
constexpr std::uint32_t kVideoListBytes = 4 + 8 + kStreamHeaderBytes + 8 + kBitmapHeaderBytes;
constexpr std::uint32_t kAudioListBytes = 4 + 8 + kStreamHeaderBytes + 8 + kWaveHeaderBytes;
constexpr std::uint32_t kInfoFieldBytes = 64;

// A double rounded half up and truncated into an unsigned header word.
// Values outside the word's range (absurd frame rates) are clamped instead
// of being converted with undefined results.
std::uint32_t roundedWord(double value)
{
    double v = value + 0.5;
    if (!(v >= 0.0))
        return 0;
    if (v >= 4294967295.0)
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(v);
}

std::uint32_t word(std::int64_t value) { return static_cast<std::uint32_t>(value); }

void writeMainHeader(LittleEndianWriter &w, const AviHeaderFields &f)
{
    w.fourcc("avih");
    w.u32(kMainHeaderBytes);
    w.u32(f.fps < 0.001 ? 0 : roundedWord(1000000.0 / f.fps));
    w.u32(0); // max bytes per second
    w.u32(0); // padding granularity
    w.u32(f.hasIndex ? kFlagHasIndex | kFlagInterleaved : kFlagInterleaved);
    w.u32(f.totalFrames);
    w.u32(0); // initial frames
    w.u32(static_cast<std::uint32_t>(f.trackCount + 1));
    w.u32(0); // suggested buffer size
    w.u32(static_cast<std::uint32_t>(f.width));
    w.u32(static_cast<std::uint32_t>(f.height));
    w.zeros(16);
}

void writeVideoList(LittleEndianWriter &w, const AviHeaderFields &f)
{
    w.fourcc("LIST");
    w.u32(kVideoListBytes);
    w.fourcc("strl");

    w.fourcc("strh");
    w.u32(kStreamHeaderBytes);
    w.fourcc("vids");
    w.u32(f.fourcc);
    w.u32(0);  // flags
    w.u16(0);  // priority
    w.u16(0);  // language
    w.u32(0);  // initial frames
    w.u32(1000000); // scale
    w.u32(roundedWord(f.fps * 1000000.0));
    w.u32(0);  // start
    w.u32(f.totalFrames);
    w.u32(0);  // suggested buffer size
    w.u32(0xFFFFFFFFu); // quality: default
    w.u32(0);  // sample size
    w.u32(0);  // frame rectangle
    w.u32(0);

    w.fourcc("strf");
    w.u32(kBitmapHeaderBytes);
    w.u32(kBitmapHeaderBytes);
    w.u32(static_cast<std::uint32_t>(f.width));
    w.u32(static_cast<std::uint32_t>(f.height));
    w.u16(1);  // planes
    w.u16(24); // bit count
    w.u32(f.fourcc);
    w.u32(static_cast<std::uint32_t>(f.width) * static_cast<std::uint32_t>(f.height) * 3u);
    w.zeros(16);
}

void writeAudioList(LittleEndianWriter &w, const AviAudioTrack &t)
{
    const std::int64_t s = aviAudioBlockBytes(t);
    const std::uint32_t bytesPerSecond = word(static_cast<std::int64_t>(t.rateWord) * 1000 / 8);

    w.fourcc("LIST");
    w.u32(kAudioListBytes);
    w.fourcc("strl");

    w.fourcc("strh");
    w.u32(kStreamHeaderBytes);
    w.fourcc("auds");
    w.u32(0);  // handler
    w.u32(0);  // flags
    w.u16(0);  // priority
    w.u16(0);  // language
    w.u32(0);  // initial frames
    w.u32(word(s / 4)); // scale
    w.u32(bytesPerSecond);
    w.u32(0);  // start
    w.u32(word(static_cast<std::int64_t>(4 * t.bytesWritten / static_cast<std::uint64_t>(s))));
    w.u32(0);  // suggested buffer size
    w.u32(0xFFFFFFFFu);
    w.u32(word(s / 4)); // sample size
    w.u32(0);  // frame rectangle
    w.u32(0);

    w.fourcc("strf");
    w.u32(kWaveHeaderBytes);
    w.u16(static_cast<std::uint16_t>(t.formatTag));
    w.u16(static_cast<std::uint16_t>(t.channels));
    w.u32(static_cast<std::uint32_t>(t.sampleRate));
    w.u32(bytesPerSecond);
    w.u16(static_cast<std::uint16_t>(s / 4)); // block align
    w.u16(static_cast<std::uint16_t>(t.bitsPerSample));
}

} // namespace

std::int64_t aviAudioBlockBytes(const AviAudioTrack &track)
{
    const std::int64_t bytesPerSample = (static_cast<std::int64_t>(track.bitsPerSample) + 7) / 8;
    return std::max<std::int64_t>(4, bytesPerSample * track.channels);
}

bool buildAviHeader(const AviHeaderFields &f, AviHeaderArea &area)
{
    if (f.trackCount < 0 || f.trackCount > kAviMaxAudioTracks)
        return false;
    area.fill(0);
    LittleEndianWriter w(area.data(), area.size());

    w.fourcc("RIFF");
    w.u32(f.finished ? f.riffSize : kAviSizePlaceholder);
    w.fourcc("AVI ");

    w.fourcc("LIST");
    w.u32(4 + 8 + kMainHeaderBytes + (8 + kVideoListBytes) +
          static_cast<std::uint32_t>(f.trackCount) * (8 + kAudioListBytes));
    w.fourcc("hdrl");
    writeMainHeader(w, f);
    writeVideoList(w, f);
    for (int t = 0; t < f.trackCount; ++t)
        writeAudioList(w, f.tracks[t]);

    if (f.finished) {
        w.fourcc("LIST");
        w.u32(4 + 8 + kInfoFieldBytes);
        w.fourcc("INFO");
        w.fourcc("ISFT");
        w.u32(kInfoFieldBytes);
        w.zeros(kInfoFieldBytes);
    }

    const auto junk = static_cast<std::int64_t>(kAviMovieListOffset) - 8 -
                      static_cast<std::int64_t>(w.used());
    if (w.overflowed() || junk < 1)
        return false;
    w.fourcc("JUNK");
    w.u32(static_cast<std::uint32_t>(junk));
    w.zeros(static_cast<std::size_t>(junk));

    w.fourcc("LIST");
    w.u32(f.finished ? f.movieListSize : kAviSizePlaceholder);
    w.fourcc("movi");
    return !w.overflowed() && w.used() == kAviHeaderBytes;
}

} // namespace qv
