// SPDX-License-Identifier: GPL-3.0-or-later

#include "linear_codes.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace benchcodes {

namespace {

bool allDigits(const std::string &s)
{
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return !s.empty();
}

// The GS1 check digit: weights 3, 1, 3, ... from the rightmost digit.
char gs1CheckDigit(const std::string &digits)
{
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// Bar and space widths (first a bar) to modules.
std::string fromWidths(const std::vector<int> &widths, bool firstIsBar = true)
{
    std::string modules;
    bool bar = firstIsBar;
    for (int w : widths) {
        modules.append(static_cast<std::size_t>(w), bar ? '1' : '0');
        bar = !bar;
    }
    return modules;
}

// A table entry written with wide elements two modules wide, redrawn with
// them three modules wide.
std::string widenTwoWidth(const char *pattern)
{
    std::string modules;
    const std::size_t n = std::strlen(pattern);
    for (std::size_t i = 0; i < n;) {
        std::size_t run = 1;
        while (i + run < n && pattern[i + run] == pattern[i])
            ++run;
        modules.append(run == 1 ? 1 : 3, pattern[i]);
        i += run;
    }
    return modules;
}

const char *const kEanLeft[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                  "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const kEanEven[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                  "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const kEanRight[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                   "1001110", "1010000", "1000100", "1001000", "1110100"};
// Parity of the six left digits of EAN-13 by the first digit ('E' even).
const char *const kEan13Parity[10] = {"OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE",
                                      "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO"};
// UPC-E, number system 0: parity of the six digits by the check digit.
const char *const kUpcEParity[10] = {"EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO",
                                     "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE"};

const char *const kCode128[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232"};
const char *const kCode128Stop = "2331112";

const char *const kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
const char *const kCode39[44] = {
    "101001101101", "110100101011", "101100101011", "110110010101", "101001101011",
    "110100110101", "101100110101", "101001011011", "110100101101", "101100101101",
    "110101001011", "101101001011", "110110100101", "101011001011", "110101100101",
    "101101100101", "101010011011", "110101001101", "101101001101", "101011001101",
    "110101010011", "101101010011", "110110101001", "101011010011", "110101101001",
    "101101101001", "101010110011", "110101011001", "101101011001", "101011011001",
    "110010101011", "100110101011", "110011010101", "100101101011", "110010110101",
    "100110110101", "100101011011", "110010101101", "100110101101", "100100100101",
    "100100101001", "100101001001", "101001001001", "100101101101"};

const char *const kCode93Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const char *const kCode93[48] = {
    "100010100", "101001000", "101000100", "101000010", "100101000", "100100100", "100100010",
    "101010000", "100010010", "100001010", "110101000", "110100100", "110100010", "110010100",
    "110010010", "110001010", "101101000", "101100100", "101100010", "100110100", "100011010",
    "101011000", "101001100", "101000110", "100101100", "100010110", "110110100", "110110010",
    "110101100", "110100110", "110010110", "110011010", "101101100", "101100110", "100110110",
    "100111010", "100101110", "111010100", "111010010", "111001010", "101101110", "101110110",
    "110101110", "100100110", "111011010", "111010110", "100110010", "101011110"};

// Interleaved 2 of 5: narrow/wide of the five elements of each digit.
const char *const kI25[10] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                              "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

const char *const kCodabarChars = "0123456789-$:/.+ABCD";
const char *const kCodabar[20] = {
    "101010011", "101011001", "101001011", "110010101", "101101001", "110101001", "100101011",
    "100101101", "100110101", "110100101", "101001101", "101100101", "1101011011", "1101101011",
    "1101101101", "1011011011", "1011001001", "1001001011", "1010010011", "1010011001"};

std::string eanDigit(const char *const table[10], char digit)
{
    return table[digit - '0'];
}

} // namespace

LinearCode ean13(const std::string &twelveDigits)
{
    LinearCode code{"EAN-13", "", "", {}};
    if (twelveDigits.size() != 12 || !allDigits(twelveDigits))
        return code;
    const std::string all = twelveDigits + gs1CheckDigit(twelveDigits);
    const char *parity = kEan13Parity[all[0] - '0'];
    std::string m = "101";
    for (int i = 0; i < 6; ++i)
        m += eanDigit(parity[i] == 'O' ? kEanLeft : kEanEven, all[1 + i]);
    m += "01010";
    for (int i = 0; i < 6; ++i)
        m += eanDigit(kEanRight, all[7 + i]);
    m += "101";
    code.modules = m;
    code.text = all;
    if (all.compare(0, 3, "978") == 0 || all.compare(0, 3, "979") == 0)
        code.symbology = "ISBN-13";
    return code;
}

LinearCode ean8(const std::string &sevenDigits)
{
    LinearCode code{"EAN-8", "", "", {}};
    if (sevenDigits.size() != 7 || !allDigits(sevenDigits))
        return code;
    const std::string all = sevenDigits + gs1CheckDigit(sevenDigits);
    std::string m = "101";
    for (int i = 0; i < 4; ++i)
        m += eanDigit(kEanLeft, all[i]);
    m += "01010";
    for (int i = 4; i < 8; ++i)
        m += eanDigit(kEanRight, all[i]);
    m += "101";
    code.modules = m;
    code.text = all;
    return code;
}

LinearCode upcA(const std::string &elevenDigits)
{
    LinearCode code{"UPC-A", "", "", {}};
    if (elevenDigits.size() != 11 || !allDigits(elevenDigits))
        return code;
    const LinearCode asEan = ean13("0" + elevenDigits);
    code.modules = asEan.modules;
    code.text = asEan.text.substr(1);
    code.alsoRight = {asEan.text};
    return code;
}

LinearCode upcE(const std::string &sixDigits)
{
    LinearCode code{"UPC-E", "", "", {}};
    if (sixDigits.size() != 6 || !allDigits(sixDigits))
        return code;
    const std::string &d = sixDigits;
    std::string expanded; // the eleven digits of the equivalent UPC-A
    switch (d[5]) {
    case '0': case '1': case '2':
        expanded = "0" + d.substr(0, 2) + d[5] + "0000" + d.substr(2, 3);
        break;
    case '3':
        expanded = "0" + d.substr(0, 3) + "00000" + d.substr(3, 2);
        break;
    case '4':
        expanded = "0" + d.substr(0, 4) + "00000" + d[4];
        break;
    default:
        expanded = "0" + d.substr(0, 5) + "0000" + d[5];
        break;
    }
    const char check = gs1CheckDigit(expanded);
    const char *parity = kUpcEParity[check - '0'];
    std::string m = "101";
    for (int i = 0; i < 6; ++i)
        m += eanDigit(parity[i] == 'O' ? kEanLeft : kEanEven, d[i]);
    m += "010101";
    code.modules = m;
    code.text = "0" + d + check;
    code.alsoRight = {expanded + check, "0" + expanded + check};
    return code;
}

LinearCode code128(const std::string &text)
{
    LinearCode code{"CODE-128", "", "", {}};
    if (text.empty())
        return code;
    std::vector<int> values = {104}; // start B
    for (char c : text) {
        if (c < 32 || c > 126)
            return code;
        values.push_back(c - 32);
    }
    int sum = values[0];
    for (std::size_t i = 1; i < values.size(); ++i)
        sum += static_cast<int>(i) * values[i];
    values.push_back(sum % 103);
    std::string m;
    for (int v : values) {
        std::vector<int> widths;
        for (const char *p = kCode128[v]; *p; ++p)
            widths.push_back(*p - '0');
        m += fromWidths(widths);
    }
    std::vector<int> stop;
    for (const char *p = kCode128Stop; *p; ++p)
        stop.push_back(*p - '0');
    m += fromWidths(stop);
    code.modules = m;
    code.text = text;
    return code;
}

LinearCode code39(const std::string &text)
{
    LinearCode code{"CODE-39", "", "", {}};
    if (text.empty())
        return code;
    const std::string framed = "*" + text + "*";
    std::string m;
    for (std::size_t i = 0; i < framed.size(); ++i) {
        const char *at = std::strchr(kCode39Chars, framed[i]);
        if (!at || !framed[i] || (framed[i] == '*' && i != 0 && i + 1 != framed.size()))
            return code;
        if (i)
            m += '0'; // narrow gap between characters
        m += widenTwoWidth(kCode39[at - kCode39Chars]);
    }
    code.modules = m;
    code.text = text;
    return code;
}

LinearCode code93(const std::string &text)
{
    LinearCode code{"CODE-93", "", "", {}};
    if (text.empty())
        return code;
    std::vector<int> values;
    for (char c : text) {
        const char *at = c ? std::strchr(kCode93Chars, c) : nullptr;
        if (!at)
            return code;
        values.push_back(static_cast<int>(at - kCode93Chars));
    }
    for (int maxWeight : {20, 15}) {
        int sum = 0;
        int weight = 1;
        for (auto it = values.rbegin(); it != values.rend(); ++it) {
            sum += *it * weight;
            weight = weight == maxWeight ? 1 : weight + 1;
        }
        values.push_back(sum % 47);
    }
    std::string m = kCode93[47];
    for (int v : values)
        m += kCode93[v];
    m += kCode93[47];
    m += '1'; // termination bar
    code.modules = m;
    code.text = text;
    return code;
}

LinearCode interleaved2of5(const std::string &oddDigitCount)
{
    LinearCode code{"I2/5", "", "", {}};
    if (oddDigitCount.size() % 2 != 1 || !allDigits(oddDigitCount))
        return code;
    const std::string all = oddDigitCount + gs1CheckDigit(oddDigitCount);
    auto width = [](char nw) { return nw == 'w' ? 3 : 1; };
    std::vector<int> widths = {1, 1, 1, 1}; // start: bar space bar space
    for (std::size_t i = 0; i < all.size(); i += 2) {
        const char *bars = kI25[all[i] - '0'];
        const char *spaces = kI25[all[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            widths.push_back(width(bars[k]));
            widths.push_back(width(spaces[k]));
        }
    }
    widths.insert(widths.end(), {3, 1, 1}); // stop: wide bar, space, bar
    code.modules = fromWidths(widths);
    code.text = all;
    return code;
}

LinearCode codabar(const std::string &text)
{
    LinearCode code{"Codabar", "", "", {}};
    if (text.empty())
        return code;
    const std::string framed = "A" + text + "B";
    std::string m;
    for (std::size_t i = 0; i < framed.size(); ++i) {
        const char *at = framed[i] ? std::strchr(kCodabarChars, framed[i]) : nullptr;
        if (!at || (at - kCodabarChars >= 16 && i != 0 && i + 1 != framed.size()))
            return code;
        if (i)
            m += '0';
        m += widenTwoWidth(kCodabar[at - kCodabarChars]);
    }
    code.modules = m;
    code.text = framed;
    return code;
}

// ----- GS1 DataBar Omnidirectional -----

namespace {

long long combinations(int n, int r)
{
    if (r < 0 || n < r)
        return 0;
    long long result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * (n - r + i) / i;
    return result;
}

// The widths of `elements` elements of `modules` modules in total, none
// wider than maxWidth, the value-th such combination in the standard's
// order; noNarrow demands at least one element of width 1.
std::vector<int> dataBarWidths(int value, int modules, int elements, int maxWidth, bool noNarrow)
{
    std::vector<int> widths(static_cast<std::size_t>(elements));
    int narrowMask = 0;
    int bar = 0;
    for (; bar < elements - 1; ++bar) {
        int elementWidth = 1;
        long long subValue = 0;
        narrowMask |= 1 << bar;
        for (;; ++elementWidth, narrowMask &= ~(1 << bar)) {
            subValue = combinations(modules - elementWidth - 1, elements - bar - 2);
            if (!noNarrow && narrowMask == 0 &&
                modules - elementWidth - (elements - bar - 1) >= elements - bar - 1)
                subValue -= combinations(modules - elementWidth - (elements - bar), elements - bar - 2);
            if (elements - bar - 1 > 1) {
                long long lessValue = 0;
                for (int widest = modules - elementWidth - (elements - bar - 2); widest > maxWidth; --widest)
                    lessValue += combinations(modules - elementWidth - widest - 1, elements - bar - 3);
                subValue -= lessValue * (elements - 1 - bar);
            } else if (modules - elementWidth > maxWidth) {
                --subValue;
            }
            value -= static_cast<int>(subValue);
            if (value < 0)
                break;
        }
        value += static_cast<int>(subValue);
        modules -= elementWidth;
        widths[static_cast<std::size_t>(bar)] = elementWidth;
    }
    widths[static_cast<std::size_t>(bar)] = modules;
    return widths;
}

struct DataBarGroup {
    int first, last;
    int oddModules, evenModules, oddWidest, evenWidest, oddCount, evenCount;
};

const DataBarGroup kOutside[5] = {{0, 160, 12, 4, 8, 1, 161, 1},
                                  {161, 960, 10, 6, 6, 3, 80, 10},
                                  {961, 2014, 8, 8, 4, 5, 31, 34},
                                  {2015, 2714, 6, 10, 3, 6, 10, 70},
                                  {2715, 2840, 4, 12, 1, 8, 1, 126}};
const DataBarGroup kInside[4] = {{0, 335, 5, 10, 2, 7, 4, 84},
                                 {336, 1035, 7, 8, 4, 5, 20, 35},
                                 {1036, 1515, 9, 6, 6, 3, 48, 10},
                                 {1516, 1596, 11, 4, 8, 1, 81, 1}};
const int kChecksumWeights[32] = {1,  3,  9,  27, 2,  6,  18, 54, 58, 72, 24,
                                  8,  29, 36, 12, 4,  74, 51, 17, 32, 37, 65,
                                  48, 16, 64, 34, 23, 69, 49, 68, 46, 59};
const int kFinders[9][5] = {{3, 8, 2, 1, 1}, {3, 5, 5, 1, 1}, {3, 3, 7, 1, 1},
                            {3, 1, 9, 1, 1}, {2, 7, 4, 1, 1}, {2, 5, 6, 1, 1},
                            {2, 3, 8, 1, 1}, {1, 5, 7, 1, 1}, {1, 3, 9, 1, 1}};

// The eight element widths of one data character, odd and even elements
// interleaved.
std::vector<int> dataBarCharacter(int value, bool outside)
{
    const DataBarGroup *groups = outside ? kOutside : kInside;
    const int count = outside ? 5 : 4;
    const DataBarGroup *g = groups;
    for (int i = 0; i < count; ++i)
        if (value >= groups[i].first && value <= groups[i].last)
            g = &groups[i];
    const int within = value - g->first;
    const int oddValue = outside ? within / g->evenCount : within % g->oddCount;
    const int evenValue = outside ? within % g->evenCount : within / g->oddCount;
    const std::vector<int> odd = dataBarWidths(oddValue, g->oddModules, 4, g->oddWidest, outside);
    const std::vector<int> even = dataBarWidths(evenValue, g->evenModules, 4, g->evenWidest, !outside);
    std::vector<int> widths;
    for (int k = 0; k < 4; ++k) {
        widths.push_back(odd[static_cast<std::size_t>(k)]);
        widths.push_back(even[static_cast<std::size_t>(k)]);
    }
    return widths;
}

} // namespace

LinearCode dataBar(const std::string &thirteenDigits)
{
    LinearCode code{"DataBar", "", "", {}};
    if (thirteenDigits.size() != 13 || !allDigits(thirteenDigits))
        return code;
    const long long value = std::stoll(thirteenDigits);
    const long long left = value / 4537077;
    const long long right = value % 4537077;
    const int characters[4] = {static_cast<int>(left / 1597), static_cast<int>(left % 1597),
                               static_cast<int>(right / 1597), static_cast<int>(right % 1597)};
    std::vector<int> widths[4];
    int checksum = 0;
    for (int i = 0; i < 4; ++i) {
        widths[i] = dataBarCharacter(characters[i], i % 2 == 0);
        // The weights of the two characters printed backwards (1 and 2)
        // are listed in printed order.
        for (int k = 0; k < 8; ++k) {
            const int weight = kChecksumWeights[8 * i + (i == 1 || i == 2 ? 7 - k : k)];
            checksum += weight * widths[i][static_cast<std::size_t>(k)];
        }
    }
    checksum %= 79;
    if (checksum >= 8)
        ++checksum;
    if (checksum >= 72)
        ++checksum;
    const int leftFinder = checksum / 9;
    const int rightFinder = checksum % 9;

    std::vector<int> all(46);
    all[0] = all[1] = all[44] = all[45] = 1;
    for (int k = 0; k < 8; ++k) {
        all[static_cast<std::size_t>(k + 2)] = widths[0][static_cast<std::size_t>(k)];
        all[static_cast<std::size_t>(k + 15)] = widths[1][static_cast<std::size_t>(7 - k)];
        all[static_cast<std::size_t>(k + 23)] = widths[3][static_cast<std::size_t>(k)];
        all[static_cast<std::size_t>(k + 36)] = widths[2][static_cast<std::size_t>(7 - k)];
    }
    for (int k = 0; k < 5; ++k) {
        all[static_cast<std::size_t>(k + 10)] = kFinders[leftFinder][k];
        all[static_cast<std::size_t>(k + 31)] = kFinders[rightFinder][4 - k];
    }
    // The first element is the left guard's space: drop it, the quiet zone
    // takes its place, so that the modules start with a bar.
    std::vector<int> fromBar(all.begin() + 1, all.end());
    code.modules = fromWidths(fromBar);
    // The thirteen digits are a GTIN-14 without its check digit; readers
    // report it behind its application identifier (01).
    const std::string gtin = thirteenDigits + gs1CheckDigit(thirteenDigits);
    code.text = "01" + gtin;
    code.alsoRight = {gtin};
    return code;
}

} // namespace benchcodes
