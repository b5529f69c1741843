// SPDX-License-Identifier: GPL-3.0-or-later

#include "scratch_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qv_recorder_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
