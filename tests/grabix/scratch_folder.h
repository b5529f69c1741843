// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GRABIX_TEST_SCRATCH_FOLDER_H
#define GRABIX_TEST_SCRATCH_FOLDER_H

// A private temporary folder, removed with its contents at the end.

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

#endif
