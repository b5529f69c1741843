// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/code_text.h"

#include <gtest/gtest.h>

#include <string>

using barcode::CodeFamily;
using barcode::isValidUtf8;
using barcode::textFromCodeBytes;

TEST(CodeText, Utf8ArrivesUnchangedWithoutItsByteOrderMark)
{
    for (const std::string text : {"文档摄像头：二维码测试", "Καλημέρα κόσμε", "naïve café", "plain"})
        EXPECT_EQ(textFromCodeBytes(text, CodeFamily::Matrix), text);
    EXPECT_EQ(textFromCodeBytes("\xEF\xBB\xBFhi", CodeFamily::Matrix), "hi");
    EXPECT_EQ(textFromCodeBytes(std::string("a\0b", 3), CodeFamily::Matrix), std::string("a\0b", 3));
}

TEST(CodeText, LegacyCharacterSetsOfQrCodesAreRecognised)
{
    // Latin-1 accents between plain letters, Shift-JIS (Kanji mode), GBK.
    EXPECT_EQ(textFromCodeBytes("Fran\xE7ois na\xEFve", CodeFamily::Matrix), "François naïve");
    EXPECT_EQ(textFromCodeBytes("\x93\xFA\x96\x7B\x8C\xEA", CodeFamily::Matrix), "日本語");
    EXPECT_EQ(textFromCodeBytes("\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7", CodeFamily::Matrix), "你好世界");
    // Shift-JIS keeps 0x5C and 0x7E as ASCII (CP932), not yen and overline.
    EXPECT_EQ(textFromCodeBytes("C:\\\x93\xFA~", CodeFamily::Matrix), "C:\\日~");
}

TEST(CodeText, LinearCodesFallBackToLatin1)
{
    EXPECT_EQ(textFromCodeBytes("\xC4\xE3", CodeFamily::Linear), "Äã");
}

TEST(CodeText, Utf8CheckRejectsEveryMalformedForm)
{
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"));
    for (const std::string bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xBA",
                                  "\x80", "\xFF", "\xC3"})
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
}
