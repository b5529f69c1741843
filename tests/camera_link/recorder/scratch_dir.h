// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECORDER_TEST_SCRATCH_DIR_H
#define RECORDER_TEST_SCRATCH_DIR_H

// A private temporary folder for one test, removed with everything in it
// when the test ends.

#include <string>

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

#endif
