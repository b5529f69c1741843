// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_RECORDED_FILE_CHECK_H
#define CORVANE_RECORDED_FILE_CHECK_H

// Tells whether a video recording the camera library's recorder has
// finished holds everything the program handed to it.
//
// The recorder's stop call reports nothing, and its writer keeps a file
// whole when writing fails: a frame that cannot be written (full disk, the
// file-size limit) is left out, and at the end trailing frames are cut to
// make room for the index. Such a file is playable but incomplete, and
// only its contents show it. A complete recording ends with the frame
// handed over last: the recorder writes the frame it holds once more when
// it stops, so the last video chunk of the index carries exactly those
// bytes. A full disk that lasts to the end always loses that chunk.
//
// Checked, in order: the RIFF header and its size against the file's
// length (the file was finished), the index flag and the idx1 chunk after
// the movie list (the index was written), the last video chunk against
// the last frame. Index offsets count from the start of the file.
//
// Plain C++ without Qt: the same code runs under the fuzzer.
//
// Thread rules: none (functions over the bytes given).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

enum class RecordedFileProblem {
    None,
    Unreadable,      // the file cannot be opened or read
    NotFinished,     // no AVI header, or its sizes do not match the file
    NoIndex,         // the index is missing: players may not seek or play it
    LastFrameMissing // frames at the end were lost: writing failed
};

// Reads `length` bytes at `offset` into `out`; false when they are not all
// there.
using ReadAt = std::function<bool(std::uint64_t offset, std::size_t length, std::uint8_t *out)>;

// `lastFrame` null or empty: no frame was handed over, nothing to compare.
RecordedFileProblem checkRecordedFile(const ReadAt &read, std::uint64_t fileSize,
                                      const std::uint8_t *lastFrame, std::size_t lastFrameSize);

RecordedFileProblem checkRecordedFile(const std::string &path, const std::uint8_t *lastFrame,
                                      std::size_t lastFrameSize);

#endif
