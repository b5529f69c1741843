// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"

#include <opencv2/imgcodecs.hpp>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace scan {

bool readPicture(const std::string &path, cv::Mat *picture, std::string *error)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        *error = "is a folder, not a picture";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = std::strerror(errno);
        return false;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (file.bad()) {
        *error = "read error";
        return false;
    }
    if (!bytes.empty()) {
        try {
            *picture = cv::imdecode(bytes, cv::IMREAD_COLOR);
        } catch (const cv::Exception &) {
            picture->release();
        }
    }
    if (picture->empty()) {
        *error = bytes.empty() ? "empty file" : "not a picture that can be decoded";
        return false;
    }
    return true;
}

bool ensureFolder(const std::string &folder, std::string *error)
{
    std::error_code code;
    if (std::filesystem::is_directory(folder, code))
        return true;
    if (std::filesystem::exists(folder, code)) {
        *error = "exists and is not a folder";
        return false;
    }
    if (!std::filesystem::create_directories(folder, code) && code) {
        *error = code.message();
        return false;
    }
    return true;
}

namespace {

bool writeAll(int fd, const std::vector<unsigned char> &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool writeNewFile(const std::string &folder, const std::string &stem,
                  const std::string &extension, const std::vector<unsigned char> &bytes,
                  std::string *path, std::string *error)
{
    for (int counter = 0; counter < 100000; ++counter) {
        const std::string name = stem + (counter ? "-" + std::to_string(counter) : "") + extension;
        const std::string candidate = (std::filesystem::path(folder) / name).string();
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            *error = candidate + ": " + std::strerror(errno);
            return false;
        }
        const bool written = writeAll(fd, bytes);
        const int writeErrno = errno;
        const bool closed = close(fd) == 0;
        if (!written || !closed) {
            *error = candidate + ": " + std::strerror(written ? errno : writeErrno);
            unlink(candidate.c_str());
            return false;
        }
        *path = candidate;
        return true;
    }
    *error = "no free name for " + stem + extension + " in " + folder;
    return false;
}

} // namespace scan
