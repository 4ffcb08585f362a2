// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "ini_fixture.h"
#include "text/ini.h"

namespace orca::text {
namespace {

using ini::ReadInt;
using ini::ReadString;

constexpr unsigned kWestern = kCodePageWestern;
constexpr char16_t kMissing[] = u"<missing>";

struct Lookup {
    std::u16string section;
    std::u16string key;
    std::u16string expected;
};

void ExpectLookups(const std::filesystem::path& file, std::initializer_list<Lookup> lookups,
                   unsigned codePage = kWestern) {
    for (const Lookup& l : lookups)
        EXPECT_EQ(ReadString(file, l.section, l.key, kMissing, 256, codePage), l.expected)
            << "[" << Utf16ToUtf8(l.section) << "] " << Utf16ToUtf8(l.key);
}

TEST_F(IniFileTest, ReadsNamesAndValuesAsThePlatformDoes) {
    auto file = Put("rules.ini",
                    "orphan=before any section\r\n"
                    "[Labels]\r\n"
                    "  Title =  Hello World \t\r\n"
                    "padded=\" two spaces \"\r\n"
                    "single='x'\r\n"
                    "unmatched=\"x'\r\n"
                    "doubled=\"\"q\"\"\r\n"
                    "lonequote=\"\r\n"
                    "  ;hidden=1\r\n"
                    "semi;colon=kept\r\n"
                    "no equals sign\r\n"
                    "empty=\r\n"
                    "dup=first\r\n"
                    "DUP=second\r\n"
                    "eq=a=b\r\n"
                    "\r\n"
                    "[labels]\r\n"
                    "late=in a repeated section\r\n"
                    "  [ Spaced Name ]  trailing text=x\r\n"
                    "k=v\r\n"
                    "[Open\r\n"
                    "k=unclosed\r\n");
    ExpectLookups(file, {
                            {u"Labels", u"Title", u"Hello World"},
                            {u"LABELS", u"title", u"Hello World"},
                            {u"  Labels ", u" Title  ", u"Hello World"},
                            {u"Labels", u"padded", u" two spaces "},
                            {u"Labels", u"single", u"x"},
                            {u"Labels", u"unmatched", u"\"x'"},
                            {u"Labels", u"doubled", u"\"q\""},
                            {u"Labels", u"lonequote", u"\""},
                            {u"Labels", u";hidden", kMissing},
                            {u"Labels", u"semi;colon", u"kept"},
                            {u"Labels", u"no equals sign", kMissing},
                            {u"Labels", u"empty", u""},
                            {u"Labels", u"dup", u"first"},
                            {u"Labels", u"eq", u"a=b"},
                            {u"Labels", u"late", kMissing},
                            {u"Labels", u"orphan", kMissing},
                            {u"Spaced Name", u"k", u"v"},
                            {u"Spaced Name", u"trailing text", kMissing},
                            {u"Open", u"k", u"unclosed"},
                            {u"Labels", u"\tTitle", kMissing},
                            {u"Label", u"Title", kMissing},
                        });
}

TEST_F(IniFileTest, FoldsOnlyAsciiLetters) {
    auto file = Put("fold.ini", "[Caf\xE9]\r\nKey\xC9=upper\r\n[IDD_X]\r\nid_a=1\r\n");
    ExpectLookups(file, {
                            {u"CAF\u00E9", u"key\u00C9", u"upper"},
                            {u"Caf\u00C9", u"Key\u00C9", kMissing},
                            {u"Caf\u00E9", u"Key\u00E9", kMissing},
                            {u"idd_x", u"ID_A", u"1"},
                            {u"IDD{X", u"id_a", kMissing},
                        });
}

TEST_F(IniFileTest, CutsValueAndDefaultToBufferSize) {
    auto file = Put("cut.ini", "[S]\r\nv=ABCDEF\r\n");
    struct Case {
        size_t size;
        std::u16string value;
        std::u16string fallback;
    };
    const Case cases[] = {
        {0, u"", u""},          {1, u"", u""},           {2, u"A", u"d"},
        {6, u"ABCDE", u"dflt"}, {7, u"ABCDEF", u"dflt"}, {256, u"ABCDEF", u"dflt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadString(file, u"S", u"v", u"", c.size, kWestern), c.value) << c.size;
        EXPECT_EQ(ReadString(file, u"S", u"none", u"dflt   ", c.size, kWestern), c.fallback)
            << "default without its trailing spaces, size " << c.size;
    }
    EXPECT_EQ(ReadString(file, u"S", u"none", u"  lead\t ", 256, kWestern), u"  lead\t")
        << "only trailing spaces leave the default";
    EXPECT_EQ(ReadString(file, u"S", u"none", std::u16string(u"ab\0cd", 5), 256, kWestern), u"ab");
}

TEST_F(IniFileTest, MissingFileOrDirectoryGivesDefaults) {
    EXPECT_EQ(ReadString(Path("absent.ini"), u"S", u"k", u"dflt", 64, kWestern), u"dflt");
    EXPECT_EQ(ReadInt(Path("absent.ini"), u"S", u"k", 255, kWestern), 255);
    EXPECT_EQ(ReadString(Path(""), u"S", u"k", u"dflt", 64, kWestern), u"dflt");
}

TEST_F(IniFileTest, ReadsLeadingDecimalNumbers) {
    auto file = Put("int.ini",
                    "[N]\r\na=42\r\nb=-17\r\nc=+5\r\nd=12abc\r\ne=abc\r\nf=\r\ng=  7  \r\n"
                    "h=\"9\"\r\ni=4294967295\r\nj=- 3\r\nk=0x10\r\nl=-\r\nm=\"\"\r\n");
    struct Case {
        const char16_t* key;
        int expected;
    };
    // An empty value is a missing key; a value without a leading number is
    // unreadable and gives the default too.
    constexpr int kDefault = 2147483647;
    const Case cases[] = {
        {u"a", 42},       {u"b", -17},
        {u"c", 5},        {u"d", 12},
        {u"e", kDefault}, {u"f", kDefault},
        {u"g", 7},        {u"h", 9},
        {u"i", -1},       {u"j", kDefault},
        {u"k", 0},        {u"l", kDefault},
        {u"m", kDefault}, {u"missing", kDefault},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadInt(file, u"N", c.key, kDefault, kWestern), c.expected) << Utf16ToUtf8(c.key);
}

TEST_F(IniFileTest, AcceptsEveryLineEnding) {
    const char* files[] = {
        "[S]\r\na=1\r\nb=2\r\n",       "[S]\na=1\nb=2\n", "[S]\ra=1\rb=2\r", "[S]\r\na=1\nb=2",
        "\r\n\n[S]\r\r\na=1\n\r\nb=2",
    };
    for (const char* bytes : files) {
        auto file = Put("ends.ini", bytes);
        EXPECT_EQ(ReadString(file, u"S", u"a", u"", 16, kWestern), u"1") << bytes;
        EXPECT_EQ(ReadString(file, u"S", u"b", u"", 16, kWestern), u"2") << bytes;
    }
}

TEST_F(IniFileTest, ReadsUtf16FilesWithByteOrderMark) {
    auto file = Put("lang.ini", Utf16File(u"[IDD_DOC_OPTION]\r\nWINDOW_TITLE=选项\r\n"
                                          u"IDC_EMOJI=\U0001F600\r\n"));
    ExpectLookups(file, {{u"IDD_DOC_OPTION", u"WINDOW_TITLE", u"选项"},
                         {u"idd_doc_option", u"IDC_EMOJI", u"\U0001F600"}});
    EXPECT_EQ(ReadString(file, u"IDD_DOC_OPTION", u"IDC_EMOJI", u"", 2, kWestern), u"\xD83D")
        << "the cut counts UTF-16 units";

    auto odd = Put("odd.ini", Utf16File(u"[S]\r\nk=v") + "\x41");
    ExpectLookups(odd, {{u"S", u"k", u"v"}});

    auto utf8Bom = Put("utf8bom.ini", "\xEF\xBB\xBF[First]\r\nk=1\r\n[Second]\r\nk=2\r\n");
    ExpectLookups(utf8Bom, {{u"First", u"k", kMissing}, {u"Second", u"k", u"2"}});
}

TEST_F(IniFileTest, ReadsAnsiFilesInTheGivenCodePage) {
    auto gbk = Put("gbk.ini", "[\xC9\xE8\xD6\xC3]\r\nname=\xD6\xD0\xCE\xC4\r\n");
    ExpectLookups(gbk, {{u"设置", u"name", u"中文"}}, kCodePageGbk);
    ExpectLookups(gbk, {{u"ÉèÖÃ", u"name", u"ÖÐÎÄ"}}, kWestern);

    auto western = Put("western.ini", "[S]\r\nname=caf\xE9 \x80\r\n");
    ExpectLookups(western, {{u"S", u"name", u"café €"}}, kWestern);
}

TEST_F(IniFileTest, SurvivesHostileFiles) {
    const std::string huge(1 << 20, '7');
    auto file = Put("hostile.ini", "[S]\r\nlong=" + huge + "\r\n" + std::string("nul=a\0b\r\n", 9) +
                                       "[" + huge + "\r\n=x\r\n");
    EXPECT_EQ(ReadString(file, u"S", u"long", u"", 256, kWestern), std::u16string(255, u'7'));
    EXPECT_EQ(ReadString(file, u"S", u"nul", u"", 256, kWestern), u"a")
        << "the value ends at its NUL";
    ReadInt(file, u"S", u"long", 0, kWestern);
    EXPECT_EQ(ReadString(file, std::u16string(huge.begin(), huge.end()), u"", u"", 8, kWestern),
              u"x");
}

}  // namespace
}  // namespace orca::text
