// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/finished_avi_check.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace grabix {

namespace {

constexpr std::uint32_t kHasIndex = 0x10;

std::uint32_t word(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

bool tagAt(const std::uint8_t *head, std::size_t offset, const char *tag)
{
    return std::memcmp(head + offset, tag, 4) == 0;
}

} // namespace

std::string problemWithFinishedAvi(const std::uint8_t *head, std::size_t headSize,
                                   std::uint64_t fileSize)
{
    if (!head || headSize < kAviHeadBytes)
        return "the file is shorter than an AVI header";
    if (!tagAt(head, 0, "RIFF") || !tagAt(head, 8, "AVI ") || !tagAt(head, 24, "avih"))
        return "the file does not start with an AVI header";
    if (std::uint64_t(word(head + 4)) + 8 != fileSize)
        return "the file's length does not match its header: it was not finished";
    if ((word(head + 44) & kHasIndex) == 0)
        return "the file has no index: it could not be written completely";
    if (word(head + 48) == 0)
        return "the file holds no video frame";
    if (fileSize > kAviSizeLimit - kAviLimitMargin)
        return "the recording reached the AVI size limit of 4 GB; what followed is missing";
    return {};
}

std::string problemWithFinishedAviFile(const std::string &path)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "the file cannot be read back";
    std::uint8_t head[kAviHeadBytes];
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    struct stat info {};
    const bool sized = fstat(fileno(file), &info) == 0;
    std::fclose(file);
    if (!sized)
        return "the file cannot be read back";
    return problemWithFinishedAvi(head, got, static_cast<std::uint64_t>(info.st_size));
}

} // namespace grabix
