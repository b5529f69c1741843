// SPDX-License-Identifier: GPL-3.0-or-later

#include "scan_command.h"

namespace scan {

const std::vector<Command> &commandTable()
{
    static const std::vector<Command> table = {
        {"detect", "[--deskew DIR [--perspective] [--quality N]] FILE...",
         "find the sheet of paper in each picture; one JSON line per file", runDetect, helpDetect},
        {"codes", "FILE...", "read the bar codes and QR codes in each picture; one JSON line per file",
         runCodes, helpCodes},
        {"ocr", "[--language CODE] FILE...",
         "read the text in each picture; one JSON line per file", runOcr, helpOcr},
    };
    return table;
}

} // namespace scan
