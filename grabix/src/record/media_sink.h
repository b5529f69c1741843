// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_MEDIA_SINK_H
#define GRABIX_MEDIA_SINK_H

// Where the encode and audio threads deliver a recording's data.
//
// Thread rules: addVideo() and addAudio() may be called from two different
// threads at the same time; an implementation orders them itself.

#include <cstddef>
#include <cstdint>

namespace grabix {

class MediaSink {
public:
    virtual ~MediaSink() = default;
    virtual void addVideo(const std::uint8_t *jpeg, std::size_t size) = 0;
    virtual void addAudio(const std::uint8_t *pcm, std::size_t size) = 0;
};

} // namespace grabix

#endif
