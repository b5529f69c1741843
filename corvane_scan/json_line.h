// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SCAN_JSON_LINE_H
#define CORVANE_SCAN_JSON_LINE_H

// One JSON object on one line, built field by field:
//   JsonLine().text("file", name).boolean("found", true).finish()

#include <string>

namespace scan {

// A JSON string literal of arbitrary bytes: quotes, backslashes and control
// characters are escaped; valid UTF-8 passes through; a byte that is not
// part of valid UTF-8 (file names on Linux are bytes) becomes U+FFFD, so
// that the output is always valid JSON.
std::string jsonString(const std::string &bytes);

class JsonLine {
public:
    JsonLine &text(const char *key, const std::string &value);
    JsonLine &boolean(const char *key, bool value);
    JsonLine &integer(const char *key, long long value);
    JsonLine &number(const char *key, double value, int decimals);
    JsonLine &null(const char *key);
    // A value already written as JSON (an array, say).
    JsonLine &json(const char *key, const std::string &value);

    // The object, "{...}", without a newline.
    std::string finish() const { return body_ + "}"; }

private:
    JsonLine &field(const char *key, const std::string &value);
    std::string body_ = "{";
};

} // namespace scan

#endif
