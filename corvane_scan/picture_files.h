// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCAN_PICTURE_FILES_H
#define CORVANE_SCAN_PICTURE_FILES_H

// Reading pictures and writing cut-outs without ever replacing a file.

#include <opencv2/core/mat.hpp>

#include <string>
#include <vector>

namespace scan {

// Decodes a picture file as 8-bit BGR (grey and 16-bit pictures are
// converted).
// False with a reason ("No such file or directory", "not a picture that
// can be decoded") otherwise.
bool readPicture(const std::string &path, cv::Mat *picture, std::string *error);

// Makes the folder (and its parents) unless it exists; false with a reason
// when it cannot, or when the name is taken by something else.
bool ensureFolder(const std::string &folder, std::string *error);

// Writes bytes to folder/stem + extension, or to stem-1, stem-2, ... when
// that name is taken: a new file is created exclusively, so an existing one
// is never replaced, not even by a file appearing meanwhile. A failed write
// leaves no file behind. The chosen path in *path.
bool writeNewFile(const std::string &folder, const std::string &stem,
                  const std::string &extension, const std::vector<unsigned char> &bytes,
                  std::string *path, std::string *error);

} // namespace scan

#endif
