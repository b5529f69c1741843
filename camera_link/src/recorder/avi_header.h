// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_AVI_HEADER_H
#define QV_AVI_HEADER_H

// The fixed 2048-byte header area at the start of every AVI file the writer
// produces: RIFF and hdrl lists, one video stream list, one list per audio
// track, the INFO list once the file is finished, JUNK filling up to offset
// 2036 and there the head of the movi list. Keeping the area a fixed size
// lets the writer rewrite it in place at any time without moving chunks.
//
// Thread rules: pure functions over values.

#include <array>
#include <cstddef>
#include <cstdint>

namespace qv {

constexpr std::size_t kAviHeaderBytes = 2048;
constexpr std::uint32_t kAviMovieListOffset = 2036;
// Sizes stand in for the RIFF and movi lengths until the file is finished.
constexpr std::uint32_t kAviSizePlaceholder = 0xFEFFF003;
constexpr int kAviMaxAudioTracks = 8;

struct AviAudioTrack {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int rateWord = 0;           // the header carries rateWord * 1000 / 8
    std::uint64_t bytesWritten = 0;
};

struct AviHeaderFields {
    std::int32_t width = 0;
    std::int32_t height = 0;
    double fps = 0.0;
    std::uint32_t fourcc = 0;   // as the four bytes appear in the file
    std::uint32_t totalFrames = 0;
    bool hasIndex = true;
    const AviAudioTrack *tracks = nullptr;
    int trackCount = 0;
    // A finished file carries the real sizes and the INFO list; an open one
    // carries the placeholders.
    bool finished = false;
    std::uint32_t riffSize = kAviSizePlaceholder;
    std::uint32_t movieListSize = kAviSizePlaceholder;
};

using AviHeaderArea = std::array<std::uint8_t, kAviHeaderBytes>;

// Fills area. False (area unspecified) when the lists leave no room for the
// JUNK filler, which cannot happen with at most kAviMaxAudioTracks tracks.
bool buildAviHeader(const AviHeaderFields &fields, AviHeaderArea &area);

// Block size S of an audio track: bytes per sample times channels, at
// least 4. The header's scale, sample size and block align are S / 4.
std::int64_t aviAudioBlockBytes(const AviAudioTrack &track);

} // namespace qv

#endif
