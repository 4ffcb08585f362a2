// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ini_fixture.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::text {
namespace {

using ini::ReadString;
using ini::WriteString;

constexpr unsigned kWestern = kCodePageWestern;

TEST_F(IniFileTest, NewFileIsAnsiWithoutByteOrderMark) {
    struct Case {
        unsigned codePage;
        std::u16string value;
        std::string bytes;
    };
    const Case cases[] = {
        {kWestern, u"café €", "[Option]\r\nstrName=caf\xE9 \x80\r\n"},
        {kCodePageGbk, u"中文", "[Option]\r\nstrName=\xD6\xD0\xCE\xC4\r\n"},
        {kWestern, u"中", "[Option]\r\nstrName=?\r\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(Path("new.drvs"));
        ASSERT_TRUE(WriteString(Path("new.drvs"), u"Option", u"strName", c.value, c.codePage));
        EXPECT_EQ(Bytes("new.drvs"), c.bytes) << c.codePage;
    }
}

TEST_F(IniFileTest, PutsKeysWhereThePlatformDoes) {
    struct Case {
        const char* name;
        std::string before;
        std::u16string section, key, value;
        std::string after;
    };
    const Case cases[] = {
        {"new key at the end of its section, before the blank line",
         "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\n", u"A", u"z", u"9",
         "[A]\r\na=1\r\nb=2\r\nz=9\r\n\r\n[B]\r\nc=3\r\n"},
        {"new key after a comment that closes the section", "[A]\r\na=1\r\n;note\r\n[B]\r\n", u"a",
         u"z", u"9", "[A]\r\na=1\r\n;note\r\nz=9\r\n[B]\r\n"},
        {"new key in an empty section", "[A]\r\n\r\n[B]\r\nb=1\r\n", u"A", u"z", u"9",
         "[A]\r\nz=9\r\n\r\n[B]\r\nb=1\r\n"},
        {"existing key replaced in place, its spelling kept", "[A]\r\n  Key = old \r\nz=1\r\n",
         u"a", u"KEY", u"new", "[A]\r\nKey=new\r\nz=1\r\n"},
        {"only the first of two equal keys changes", "[A]\r\nk=1\r\nK=2\r\n", u"A", u"k", u"3",
         "[A]\r\nk=3\r\nK=2\r\n"},
        {"first of two equal sections", "[A]\r\na=1\r\n[B]\r\n[a]\r\n", u"A", u"n", u"2",
         "[A]\r\na=1\r\nn=2\r\n[B]\r\n[a]\r\n"},
        {"new section at the end", "[A]\r\na=1\r\n\r\n", u"B", u"b", u"2",
         "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n"},
        {"new section after a last line without line end", "[A]\r\na=1", u"B", u"b", u"2",
         "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
        {"new key after a last line without line end", "[A]\r\na=1", u"A", u"b", u"2",
         "[A]\r\na=1\r\nb=2\r\n"},
        {"other line ends kept, new ones CR LF", "[A]\na=1\n[B]\rb=1\r", u"A", u"n", u"2",
         "[A]\na=1\nn=2\r\n[B]\rb=1\r"},
        {"value with blanks or quotes around it is quoted", "[A]\r\n", u"A", u"cmd", u" ^XA ",
         "[A]\r\ncmd=\" ^XA \"\r\n"},
        {"quoted value gets one more pair", "[A]\r\n", u"A", u"q", u"'x'", "[A]\r\nq=\"'x'\"\r\n"},
        {"names lose spaces and end at NUL", "", u"  A ", std::u16string(u" k \0x", 5), u"v",
         "[A]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        Put("w.ini", c.before);
        ASSERT_TRUE(WriteString(Path("w.ini"), c.section, c.key, c.value, kWestern)) << c.name;
        EXPECT_EQ(Bytes("w.ini"), c.after) << c.name;
        EXPECT_EQ(ReadString(Path("w.ini"), c.section, c.key, u"<missing>", 256, kWestern),
                  c.value.substr(0, c.value.find(u'\0')))
            << c.name;
    }
}

TEST_F(IniFileTest, Utf16FileStaysUtf16) {
    Put("lang.ini", Utf16File(u"[Page]\r\nTITLE=旧\r\n"));
    ASSERT_TRUE(WriteString(Path("lang.ini"), u"Page", u"TITLE", u"新的", kWestern));
    ASSERT_TRUE(WriteString(Path("lang.ini"), u"Page", u"MSG", u"€ ok", kWestern));
    ASSERT_TRUE(WriteString(Path("lang.ini"), u"Other", u"K", u"中", kWestern));
    EXPECT_EQ(Bytes("lang.ini"),
              Utf16File(u"[Page]\r\nTITLE=新的\r\nMSG=€ ok\r\n[Other]\r\nK=中\r\n"));

    Put("bom-only.ini", "\xFF\xFE");
    ASSERT_TRUE(WriteString(Path("bom-only.ini"), u"S", u"k", u"v", kWestern));
    EXPECT_EQ(Bytes("bom-only.ini"), Utf16File(u"[S]\r\nk=v\r\n"));
}

TEST_F(IniFileTest, WriteLeavesOtherBytesAlone) {
    // A broken GBK sequence elsewhere in the file must survive a write untouched.
    const std::string broken = "[A]\r\nraw=\xFF\x81\xD6\r\n[B]\r\nb=1\r\n";
    Put("gbk.ini", broken);
    ASSERT_TRUE(WriteString(Path("gbk.ini"), u"B", u"c", u"中", kCodePageGbk));
    EXPECT_EQ(Bytes("gbk.ini"), broken + "c=\xD6\xD0\r\n");
}

TEST_F(IniFileTest, RefusesWritesThatWouldBreakTheFile) {
    struct Case {
        const char* name;
        std::u16string section, key, value;
    };
    const Case cases[] = {
        {"line break in value", u"A", u"k", u"1\r\n[B]"},
        {"line break in key", u"A", u"k\nx", u"1"},
        {"line break in section", u"A\r", u"k", u"1"},
        {"empty key", u"A", u"  ", u"1"},
        {"key with equals sign", u"A", u"a=b", u"1"},
        {"key read as a comment", u"A", u";k", u"1"},
        {"key read as a section", u"A", u"[k]", u"1"},
        {"section with closing bracket", u"A]x", u"k", u"1"},
        {"tab around a name", u"A", u"\tk", u"1"},
    };
    const std::string before = "[A]\r\na=1\r\n";
    for (const Case& c : cases) {
        Put("r.ini", before);
        EXPECT_FALSE(WriteString(Path("r.ini"), c.section, c.key, c.value, kWestern)) << c.name;
        EXPECT_EQ(Bytes("r.ini"), before) << c.name;
    }
    EXPECT_FALSE(WriteString(Path("no-such-dir") / "x.ini", u"A", u"k", u"v", kWestern));
    EXPECT_FALSE(WriteString(Path(""), u"A", u"k", u"v", kWestern)) << "a directory";
    EXPECT_FALSE(std::filesystem::exists(Path("no-such-dir")));
}

#ifndef _WIN32
// Files of this process grow no larger than the limit while it lives: a write
// past it fails, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        std::signal(SIGXFSZ, previous_);
        setrlimit(RLIMIT_FSIZE, &saved_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
};
#endif

TEST_F(IniFileTest, AFileTooLargeToReadIsNotWrittenIntoButMayBeReplaced) {
    const std::vector<ini::KeyValue> writes = {{u"New", u"k", u"v"}};
    Put("large.drvs", "[Old]\r\nk=1\r\n");
    std::filesystem::resize_file(Path("large.drvs"), ini::kMaxFileBytes + 1);
    EXPECT_EQ(ReadString(Path("large.drvs"), u"Old", u"k", u"none", 16, kWestern), u"none");
    EXPECT_FALSE(ini::WriteString(Path("large.drvs"), u"Old", u"k", u"2", kWestern));
    EXPECT_EQ(std::filesystem::file_size(Path("large.drvs")), ini::kMaxFileBytes + 1);

    ASSERT_TRUE(ini::WriteNewFile(Path("large.drvs"), writes, kWestern));
    EXPECT_EQ(ReadString(Path("large.drvs"), u"New", u"k", u"", 16, kWestern), u"v");
}

TEST_F(IniFileTest, AFailedWriteKeepsTheOldFileAndLeavesNothingBeside) {
    const std::vector<ini::KeyValue> writes = {{u"New", u"k", u"longer than sixteen bytes"}};

    // A folder at the path: the new file cannot take its place.
    std::filesystem::create_directories(Path("folder"));
    Put("folder/kept", "x");
    EXPECT_FALSE(ini::WriteNewFile(Path("folder"), writes, kWestern));
    EXPECT_EQ(Bytes("folder/kept"), "x");

    const std::string old = "[Old]\r\nk=1\r\n";
    Put("k.drvs", old);
    {
#ifdef _WIN32
        // Another program has the file open without sharing its deletion.
        std::ifstream reader(Path("k.drvs"), std::ios::binary);
#else
        const FileSizeLimit limit(16);
#endif
        EXPECT_FALSE(ini::WriteNewFile(Path("k.drvs"), writes, kWestern));
        EXPECT_FALSE(ini::WriteString(Path("k.drvs"), u"Old", u"k", writes[0].value, kWestern));
    }
    EXPECT_EQ(Bytes("k.drvs"), old);
    EXPECT_EQ(ReadString(Path("k.drvs"), u"Old", u"k", u"", 16, kWestern), u"1");

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Path("")))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "k.drvs"}));
}

}  // namespace
}  // namespace orca::text

namespace orca::text {
namespace {

// A whole list written at once leaves the file as one write per key does.
TEST_F(IniFileTest, WritingAListEqualsWritingEachKey) {
    const std::string files[] = {
        "",
        "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\n",
        "[A]\r\na=1",
        "[A]\na=1\n[B]\rb=1\r",
        "[a]\r\nK=1\r\n[b]\r\n[A]\r\n",
        "\xFF\xFE" + Utf16ToUtf16Le(u"[A]\r\na=中\r\n"),
    };
    const std::vector<ini::KeyValue> writes = {
        {u"A", u"a", u"new"},     {u"A", u"z", u"1"},     {u"a", u"Z", u"2"},
        {u"New", u"x", u" pad "}, {u"C", u"k", u"v"},     {u"NEW", u"X", u"3"},
        {u"new", u"y", u"4"},     {u"A", u"k", u"5"},     {u"B", u"bad", u"line\r\nbreak"},
        {u"B", u"b", u"\"q\""},   {u"C", u"k2", u"中文"},
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        Put("one.ini", bytes);
        for (const ini::KeyValue& write : writes)
            ini::WriteString(Path("one.ini"), write.section, write.key, write.value, kWestern);
        Put("all.ini", bytes);
        EXPECT_FALSE(ini::WriteStrings(Path("all.ini"), writes, kWestern)) << "one was refused";
        EXPECT_EQ(Bytes("all.ini"), Bytes("one.ini"));
    }
    std::filesystem::remove(Path("missing.ini"));
    EXPECT_TRUE(ini::WriteStrings(Path("missing.ini"), std::span(writes).first(3), kWestern));
    EXPECT_EQ(Bytes("missing.ini"), "[A]\r\na=new\r\nz=2\r\n");
}

}  // namespace
}  // namespace orca::text
