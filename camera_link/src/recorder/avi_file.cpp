// SPDX-License-Identifier: LGPL-2.1-or-later

#include "recorder/avi_file.h"

#include "recorder/avi_error.h"
#include "recorder/little_endian_writer.h"
#include "recorder/posix_file_storage.h"

#include <cstdio>
#include <cstring>

namespace qv {

namespace {

constexpr char kVideoChunkId[4] = {'0', '0', 'd', 'b'};
constexpr std::uint32_t kKeyFrameFlag = 0x10;

// Bytes freed beyond the index itself before the next attempt, doubling each
// round: file systems free whole blocks, so cutting exactly the index size
// may not yet give enough blocks back.
constexpr std::uint64_t kFirstRoomMargin = 4096;

bool isVideoChunk(const char id[4]) { return std::memcmp(id, kVideoChunkId, 4) == 0; }

// Track number (0-based) of an audio chunk identifier "0Nwb", or -1.
int audioTrackOf(const char id[4])
{
    if (id[0] != '0' || id[2] != 'w' || id[3] != 'b' || id[1] < '1' || id[1] > '8')
        return -1;
    return id[1] - '1';
}

} // namespace

std::unique_ptr<AviFile> AviFile::open(const std::string &path, int *error)
{
    std::unique_ptr<AviStorage> storage = PosixFileStorage::open(path);
    if (!storage) {
        if (error)
            *error = kAviOpen;
        return nullptr;
    }
    return openOn(std::move(storage), error);
}

std::unique_ptr<AviFile> AviFile::openOn(std::unique_ptr<AviStorage> storage, int *error)
{
    if (!storage) {
        if (error)
            *error = kAviOpen;
        return nullptr;
    }
    static const std::uint8_t zeros[kAviHeaderBytes] = {};
    const ByteSpan area{zeros, sizeof zeros};
    if (storage->writeAt(0, &area, 1) != StorageStatus::Ok) {
        storage->close();
        if (error)
            *error = kAviWrite;
        return nullptr;
    }
    if (error)
        *error = kAviNoError;
    return std::unique_ptr<AviFile>(new AviFile(std::move(storage)));
}

AviFile::AviFile(std::unique_ptr<AviStorage> storage) : storage_(std::move(storage)) {}

AviFile::~AviFile()
{
    if (storage_)
        close();
}

int AviFile::setVideo(int width, int height, double fps, const char *compressor)
{
    if (!storage_)
        return fail(kAviWrite);
    width_ = width;
    height_ = height;
    fps_ = fps;
    fourcc_ = 0;
    if (compressor && std::strncmp(compressor, "RGB", 3) != 0) {
        // Shorter texts are padded with zeros rather than read past their end.
        std::uint8_t raw[4] = {};
        for (int i = 0; i < 4 && compressor[i] != '\0'; ++i)
            raw[i] = static_cast<std::uint8_t>(compressor[i]);
        fourcc_ = static_cast<std::uint32_t>(raw[0]) | static_cast<std::uint32_t>(raw[1]) << 8 |
                  static_cast<std::uint32_t>(raw[2]) << 16 | static_cast<std::uint32_t>(raw[3]) << 24;
    }
    return rewriteHeader();
}

int AviFile::setAudio(int channels, int rate, int bits, int formatTag, int rateWord)
{
    if (!storage_)
        return fail(kAviWrite);
    if (trackCount_ >= kAviMaxAudioTracks) {
        std::fprintf(stderr, "error - only %d audio tracks supported\n", kAviMaxAudioTracks);
        return -1;
    }
    currentTrack_ = trackCount_++;
    AviAudioTrack &t = tracks_[currentTrack_];
    t = AviAudioTrack{};
    t.channels = channels;
    t.sampleRate = rate;
    t.bitsPerSample = bits;
    t.formatTag = formatTag;
    t.rateWord = rateWord;
    return rewriteHeader();
}

int AviFile::writeFrame(const void *data, std::size_t length, bool keyFrame)
{
    return writeChunk(kVideoChunkId, data, length, keyFrame ? kKeyFrameFlag : 0);
}

int AviFile::writeAudio(const void *data, std::size_t length)
{
    const char id[4] = {'0', static_cast<char>('1' + currentTrack_), 'w', 'b'};
    return writeChunk(id, data, length, 0);
}

int AviFile::writeChunk(const char id[4], const void *data, std::size_t length,
                        std::uint32_t flags)
{
    if (!storage_)
        return fail(kAviWrite);
    const std::uint64_t needed = position_ + static_cast<std::uint64_t>(length) +
                                 AviIndex::kEntryBytes * index_.count() + 32;
    if (length > kMaxFileBytes || needed > kMaxFileBytes) {
        ++lostChunks_;
        return fail(kAviSizeLimit);
    }
    const auto length32 = static_cast<std::uint32_t>(length);
    AviIndexEntry entry{};
    std::memcpy(entry.id, id, 4);
    entry.flags = flags;
    entry.offset = static_cast<std::uint32_t>(position_);
    entry.length = length32;
    if (!index_.add(entry)) {
        ++lostChunks_;
        return fail(kAviOutOfMemory);
    }

    std::uint8_t head[8];
    LittleEndianWriter w(head, sizeof head);
    w.bytes(id, 4);
    w.u32(length32);
    static const std::uint8_t pad = 0;
    const std::size_t padBytes = length & 1u;
    const ByteSpan pieces[3] = {{head, sizeof head}, {data, length}, {&pad, padBytes}};
    if (storage_->writeAt(position_, pieces, 3) != StorageStatus::Ok) {
        // Withdraw the entry too: the next chunk goes to the same position,
        // and an index naming a chunk that is not there breaks players.
        index_.removeLast();
        ++lostChunks_;
        return fail(kAviWrite);
    }

    if (length32 > largestChunk_)
        largestChunk_ = length32;
    if (isVideoChunk(id)) {
        lastFramePosition_ = position_;
        lastFrameLength_ = length32;
        ++videoFrames_;
    } else {
        const int track = audioTrackOf(id);
        if (track >= 0)
            tracks_[track].bytesWritten += length;
    }
    position_ += sizeof head + length + padBytes;
    return 0;
}

AviHeaderFields AviFile::headerFields() const
{
    AviHeaderFields f;
    f.width = width_;
    f.height = height_;
    f.fps = fps_;
    f.fourcc = fourcc_;
    f.tracks = tracks_;
    f.trackCount = trackCount_;
    return f;
}

int AviFile::rewriteHeader()
{
    AviHeaderArea area;
    if (!buildAviHeader(headerFields(), area))
        return fail(kAviClose);
    const ByteSpan piece{area.data(), area.size()};
    if (storage_->writeAt(0, &piece, 1) != StorageStatus::Ok)
        return fail(kAviClose);
    return 0;
}

StorageStatus AviFile::writeIndexAt(std::uint64_t offset)
{
    std::uint8_t head[8];
    LittleEndianWriter w(head, sizeof head);
    w.fourcc("idx1");
    w.u32(static_cast<std::uint32_t>(index_.byteCount()));
    const ByteSpan pieces[2] = {{head, sizeof head}, {index_.data(), index_.byteCount()}};
    return storage_->writeAt(offset, pieces, 2);
}

void AviFile::dropLastChunk()
{
    const AviIndexEntry e = index_.entry(index_.count() - 1);
    if (isVideoChunk(e.id)) {
        --videoFrames_;
    } else {
        const int track = audioTrackOf(e.id);
        if (track >= 0)
            tracks_[track].bytesWritten -= e.length;
    }
    position_ = e.offset;
    index_.removeLast();
    ++lostChunks_;
}

bool AviFile::writeIndexMakingRoom()
{
    std::uint64_t margin = kFirstRoomMargin;
    for (;;) {
        const StorageStatus status = writeIndexAt(position_);
        if (status == StorageStatus::Ok)
            return true;
        // Whatever part of the index made it out must not outlive the attempt.
        storage_->truncate(position_);
        if (status != StorageStatus::NoSpace || index_.count() == 0)
            return false;
        // The medium is full: give up the newest chunks until their space
        // covers the index with a margin, and try again.
        const std::uint64_t wanted = 8 + index_.byteCount() + margin;
        const std::uint64_t start = position_;
        while (index_.count() > 0 && start - position_ < wanted)
            dropLastChunk();
        storage_->truncate(position_);
        margin *= 2;
    }
}

int AviFile::close()
{
    if (!storage_)
        return fail(kAviClose);
    int result = 0;
    const std::uint32_t lostBefore = lostChunks_;

    // Remnants of chunks that failed half-way lie past the position; cutting
    // them first gives their space back for the index.
    storage_->truncate(position_);
    const bool indexed = writeIndexMakingRoom();
    if (!indexed || lostChunks_ != lostBefore) {
        error_ = kAviWriteIndex;
        result = -1;
    }
    const std::uint64_t movieEnd = position_;
    const std::uint64_t fileEnd = indexed ? movieEnd + 8 + index_.byteCount() : movieEnd;

    AviHeaderFields f = headerFields();
    f.finished = true;
    f.hasIndex = indexed;
    f.totalFrames = videoFrames_;
    f.riffSize = static_cast<std::uint32_t>(fileEnd - 8);
    f.movieListSize = static_cast<std::uint32_t>(movieEnd - (kAviMovieListOffset + 8));
    AviHeaderArea area;
    if (!buildAviHeader(f, area)) {
        std::fprintf(stderr, "AVI_close_output_file: # of header bytes too small\n");
        result = fail(kAviClose);
    } else {
        const ByteSpan piece{area.data(), area.size()};
        if (storage_->writeAt(0, &piece, 1) != StorageStatus::Ok)
            result = fail(kAviClose);
    }
    if (!storage_->truncate(fileEnd))
        result = fail(kAviClose);
    if (!storage_->close())
        result = fail(kAviClose);
    storage_.reset();
    return result;
}

} // namespace qv
