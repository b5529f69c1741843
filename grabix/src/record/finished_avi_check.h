// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_FINISHED_AVI_CHECK_H
#define GRABIX_FINISHED_AVI_CHECK_H

// Tells whether a file the recorder has finished is a complete AVI: its
// RIFF size matches the file's length, its main header says it carries an
// index, it holds at least one video frame, and it did not run into the
// recorder's size limit (just under 4 GiB), past which the recorder drops
// every frame without a word. The recorder's stop call reports nothing,
// and a full disk shows up exactly here: the index (the last thing
// written) is missing.

#include <cstddef>
#include <cstdint>
#include <string>

namespace grabix {

// Files this close to the recorder's limit (0xFEFFF7FF bytes) have run into
// it: more than the largest screen frame plus its index entries.
constexpr std::uint64_t kAviSizeLimit = 0xFEFFF7FFu;
constexpr std::uint64_t kAviLimitMargin = 32u << 20;

// The bytes needed from the start of the file.
constexpr std::size_t kAviHeadBytes = 52;

// Empty when head (the first bytes of a file of fileSize bytes) describes a
// complete AVI, else what is wrong.
std::string problemWithFinishedAvi(const std::uint8_t *head, std::size_t headSize,
                                   std::uint64_t fileSize);

// The same for the file at path.
std::string problemWithFinishedAviFile(const std::string &path);

} // namespace grabix

#endif
