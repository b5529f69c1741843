// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/ocr_languages.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace ocr {

namespace {

namespace fs = std::filesystem;

const char kSuffix[] = ".traineddata";

// Tesseract codes by interface-language index.
const char *const kInterfaceLanguages[] = {"chi_sim", "chi_tra", "eng", "fra", "deu",
                                           "spa",     "por",     "rus", "ita", "ell",
                                           "jpn",     "kor",     "tha"};

bool holdsTrainedData(const fs::path &folder)
{
    return !installedLanguages(folder.string()).empty();
}

bool isCodePart(const std::string &part)
{
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
               || c == '_';
    });
}

bool contains(const std::vector<std::string> &list, const std::string &item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Scripts whose pages often carry English words.
bool pairsWithEnglish(const std::string &code)
{
    return code == "chi_sim" || code == "chi_tra" || code == "jpn" || code == "kor";
}

} // namespace

std::string trainedDataFolder()
{
    if (const char *prefix = std::getenv("TESSDATA_PREFIX")) {
        // Tesseract 4 and later take the folder itself; older setups named
        // its parent.
        for (const fs::path &folder : {fs::path(prefix), fs::path(prefix) / "tessdata"})
            if (holdsTrainedData(folder))
                return folder.string();
    }
    for (const char *folder :
         {"/usr/share/tesseract-ocr/5/tessdata", "/usr/share/tesseract-ocr/4.00/tessdata",
          "/usr/share/tessdata", "/usr/local/share/tessdata"})
        if (holdsTrainedData(folder))
            return folder;
    return std::string();
}

std::vector<std::string> installedLanguages(const std::string &folder)
{
    std::vector<std::string> languages;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return languages;
    const size_t suffixLength = sizeof kSuffix - 1;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            break;
        const std::string name = it->path().filename().string();
        if (name.size() <= suffixLength
            || name.compare(name.size() - suffixLength, suffixLength, kSuffix) != 0)
            continue;
        const std::string code = name.substr(0, name.size() - suffixLength);
        if (code == "osd" || code == "equ" || !isCodePart(code))
            continue;
        if (!it->is_regular_file(error))
            continue;
        languages.push_back(code);
    }
    std::sort(languages.begin(), languages.end());
    return languages;
}


std::string languageForInterface(int index, const std::vector<std::string> &installed)
{
    const int count = int(sizeof kInterfaceLanguages / sizeof kInterfaceLanguages[0]);
    if (index >= 0 && index < count && contains(installed, kInterfaceLanguages[index])) {
        const std::string code = kInterfaceLanguages[index];
        if (pairsWithEnglish(code) && contains(installed, "eng"))
            return code + "+eng";
        return code;
    }
    if (contains(installed, "eng"))
        return "eng";
    return installed.empty() ? std::string() : installed.front();
}

std::vector<std::string> offeredLanguages(const std::vector<std::string> &installed)
{
    std::vector<std::string> offered;
    for (const std::string &code : installed) {
        offered.push_back(code);
        if (pairsWithEnglish(code) && contains(installed, "eng"))
            offered.push_back(code + "+eng");
    }
    return offered;
}

bool isInstalledLanguage(const std::string &code, const std::vector<std::string> &installed)
{
    if (code.empty())
        return false;
    size_t start = 0;
    while (true) {
        const size_t plus = code.find('+', start);
        const std::string part = code.substr(start, plus == std::string::npos ? plus : plus - start);
        if (!isCodePart(part) || !contains(installed, part))
            return false;
        if (plus == std::string::npos)
            return true;
        start = plus + 1;
    }
}

} // namespace ocr
