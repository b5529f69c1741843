// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef QV_AVI_FILE_H
#define QV_AVI_FILE_H

// Writes one AVI file: a fixed 2048-byte header area, a movi list of chunks
// (video "00db", audio "01wb".."08wb"), each padded to even length, and an
// idx1 index appended at close. The header area is rewritten in place after
// each set call and once more, with the final sizes, at close.
//
// A write failure never costs the file its shape: a chunk that cannot be
// written is left out (the position stays before it, its index entry is
// withdrawn), and close makes room for the index by cutting trailing chunks
// when the medium is full, so the file always ends as a complete RIFF with
// sizes that match its contents.
//
// Results follow the writer's convention: 0 on success, -1 on failure with
// lastError() telling which (codes in avi_error.h).
//
// Thread rules: no lock; the owner serialises all calls (the Recorder does
// so under its own lock).

#include "recorder/avi_header.h"
#include "recorder/avi_index.h"
#include "recorder/avi_storage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace qv {

class AviFile {
public:
    // Largest file the writer produces: 4 GiB - 16 MiB - 2049 bytes.
    static constexpr std::uint64_t kMaxFileBytes = 0xFEFFF7FF;

    // Opens path (see PosixFileStorage::open) and reserves the header area.
    // Null on failure, with *error set to kAviOpen or kAviWrite.
    static std::unique_ptr<AviFile> open(const std::string &path, int *error = nullptr);
    static std::unique_ptr<AviFile> openOn(std::unique_ptr<AviStorage> storage,
                                           int *error = nullptr);

    // Finishes the file if close() was not called.
    ~AviFile();
    AviFile(const AviFile &) = delete;
    AviFile &operator=(const AviFile &) = delete;

    // compressor: its first four bytes become the FourCC; a text starting
    // with "RGB" means uncompressed (FourCC 0).
    int setVideo(int width, int height, double fps, const char *compressor);
    // Adds the next audio track (at most eight) and makes it current.
    int setAudio(int channels, int rate, int bits, int formatTag, int rateWord);

    int writeFrame(const void *data, std::size_t length, bool keyFrame);
    int writeAudio(const void *data, std::size_t length);

    // Writes the index and the final header and releases the file. -1 when
    // anything already written could not be kept (index missing, trailing
    // chunks cut to make room for it, header or cut failed).
    int close();

    int lastError() const { return error_; }
    bool isOpen() const { return storage_ != nullptr; }
    std::uint64_t position() const { return position_; }
    std::uint32_t videoFrames() const { return videoFrames_; }
    int audioTrackCount() const { return trackCount_; }
    std::uint64_t audioBytes(int track) const { return tracks_[track].bytesWritten; }
    std::size_t indexEntries() const { return index_.count(); }
    std::size_t indexCapacity() const { return index_.capacity(); }
    std::uint32_t largestChunk() const { return largestChunk_; }
    std::uint64_t lastFramePosition() const { return lastFramePosition_; }
    std::uint32_t lastFrameLength() const { return lastFrameLength_; }
    // Chunks refused or lost since open (size limit, memory, write errors,
    // cut at close to make room for the index).
    std::uint32_t lostChunks() const { return lostChunks_; }

private:
    explicit AviFile(std::unique_ptr<AviStorage> storage);

    int writeChunk(const char id[4], const void *data, std::size_t length, std::uint32_t flags);
    int rewriteHeader();
    AviHeaderFields headerFields() const;
    bool writeIndexMakingRoom();
    StorageStatus writeIndexAt(std::uint64_t offset);
    void dropLastChunk();
    int fail(int code)
    {
        error_ = code;
        return -1;
    }

    std::unique_ptr<AviStorage> storage_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    double fps_ = 0.0;
    std::uint32_t fourcc_ = 0;
    std::uint32_t videoFrames_ = 0;
    int trackCount_ = 0;
    int currentTrack_ = 0;
    AviAudioTrack tracks_[kAviMaxAudioTracks];
    std::uint64_t position_ = kAviHeaderBytes;
    AviIndex index_;
    std::uint32_t largestChunk_ = 0;
    std::uint64_t lastFramePosition_ = 0;
    std::uint32_t lastFrameLength_ = 0;
    std::uint32_t lostChunks_ = 0;
    int error_ = 0;
};

} // namespace qv

#endif
