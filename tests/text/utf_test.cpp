// SPDX-License-Identifier: Apache-2.0
#include "text/utf.h"

#include <gtest/gtest.h>

namespace orca::text {
namespace {

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

TEST(Utf, Utf8DecodesAndReplacesMalformedSequences) {
    const Utf8Case cases[] = {
        {"ascii", "Label1", u"Label1"},
        {"two, three and four bytes", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", u"é中\U0001F600"},
        {"truncated at the end", "a\xE4\xB8", u"a\uFFFD"},
        {"broken in the middle", "\xE4\xB8z", u"\uFFFDz"},
        {"stray continuation", "\x80x", u"\uFFFDx"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"embedded NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Utf8Case& c : cases)
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.name;
}

TEST(Utf, Utf16EncodesAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"é中\U0001F600"), "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800}), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, u'b'}),
              "\xEF\xBF\xBD"
              "b");
}

struct AnsiCase {
    const char* name;
    unsigned codePage;
    std::string bytes;
    std::u16string text;
};

// Both directions hold for each row.
TEST(Utf, AnsiCodePagesRoundTrip) {
    const AnsiCase cases[] = {
        {"1252 accents", kCodePageWestern, "caf\xE9 \xC4", u"café Ä"},
        {"1252 euro and quotes", kCodePageWestern, "\x80\x93x\x94", u"€“x”"},
        {"1252 undefined byte as C1 control", kCodePageWestern, "\x81", u"\u0081"},
        {"GBK two-byte", kCodePageGbk, "\xD6\xD0\xCE\xC4 ok", u"中文 ok"},
        {"GBK euro", kCodePageGbk, "\x80", u"€"},
        {"GBK trail byte in the ASCII range", kCodePageGbk,
         "A\x81\x40"
         "B\xD6\xD0",
         u"A丂B中"},
    };
    for (const AnsiCase& c : cases) {
        EXPECT_EQ(AnsiToUtf16(c.bytes, c.codePage), c.text) << c.name;
        EXPECT_EQ(Utf16ToAnsi(c.text, c.codePage), c.bytes) << c.name;
    }
}

TEST(Utf, AnsiUnconvertibleBecomesQuestionMark) {
    const AnsiCase toAnsi[] = {
        {"CJK into 1252", kCodePageWestern, "a??b", u"a中文b"},
        {"accent absent from GBK", kCodePageGbk, "?", u"\u00C4"},
        {"lone surrogate", kCodePageWestern, "x?y", std::u16string{u'x', 0xD800, u'y'}},
        {"pair outside the BMP", kCodePageGbk, "?", u"\U0001F600"},
        {"truncated surrogate at end", kCodePageGbk, "z?", std::u16string{u'z', 0xD83D}},
    };
    for (const AnsiCase& c : toAnsi)
        EXPECT_EQ(Utf16ToAnsi(c.text, c.codePage), c.bytes) << c.name;

    EXPECT_EQ(AnsiToUtf16("a\xD6", kCodePageGbk), u"a?") << "truncated lead byte";
    // The platform's GBK table gives the one byte no character uses a private one.
    EXPECT_EQ(AnsiToUtf16("\xFFz", kCodePageGbk), u"\uF8F5z") << "byte 0xFF";
}

TEST(Utf, SameBytesReadDifferentlyPerCodePage) {
    const std::string bytes = "\xD6\xD0";
    EXPECT_EQ(AnsiToUtf16(bytes, kCodePageWestern), u"ÖÐ");
    EXPECT_EQ(AnsiToUtf16(bytes, kCodePageGbk), u"中");
}

TEST(Utf, UnknownCodePageFallsBackToWestern) {
    EXPECT_EQ(AnsiToUtf16("\xE9", 99999), u"é");
}

}  // namespace
}  // namespace orca::text
