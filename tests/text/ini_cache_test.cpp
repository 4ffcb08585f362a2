// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ini_fixture.h"
#include "text/ini.h"

namespace orca::text {
namespace {

using ini::ReadInt;
using ini::ReadString;
using ini::WriteString;

constexpr unsigned kWestern = kCodePageWestern;

std::u16string Read(const std::filesystem::path& file, std::u16string_view key,
                    unsigned codePage = kWestern) {
    return ReadString(file, u"S", key, u"<missing>", 256, codePage);
}

class IniCacheTest : public IniFileTest {
protected:
    void TearDown() override {
        ini::SetCacheEnabled(true);
        IniFileTest::TearDown();
    }
};

TEST_F(IniCacheTest, SeesEveryChangeOfTheFile) {
    for (bool cached : {true, false}) {
        ini::SetCacheEnabled(cached);
        auto file = Put("c.ini", "[S]\r\nk=one\r\n");
        EXPECT_EQ(Read(file, u"k"), u"one");

        ASSERT_TRUE(WriteString(file, u"S", u"k", u"two", kWestern));
        EXPECT_EQ(Read(file, u"k"), u"two") << "written through the module";

        Put("c.ini", "[S]\r\nk=three, longer\r\n");
        EXPECT_EQ(Read(file, u"k"), u"three, longer") << "rewritten by hand, new size";

        auto stamp = std::filesystem::last_write_time(file);
        Put("c.ini", "[S]\r\nk=four, longer\r\n");
        std::filesystem::last_write_time(file, stamp + std::chrono::seconds(2));
        EXPECT_EQ(Read(file, u"k"), u"four, longer") << "rewritten by hand, same size";

        Put("new.ini", "[S]\r\nk=five, longer\r\n");
        std::filesystem::last_write_time(Path("new.ini"), std::filesystem::last_write_time(file));
        std::filesystem::rename(Path("new.ini"), file);
        EXPECT_EQ(Read(file, u"k"), u"five, longer")
            << "replaced by another file of the same size and time stamp";

        std::filesystem::remove(file);
        EXPECT_EQ(Read(file, u"k"), u"<missing>") << "deleted";
    }
}

// A write that keeps the file's size and time stamp is still seen when it
// went through another spelling of the path.
TEST_F(IniCacheTest, AWriteIsSeenThroughEverySpellingOfThePath) {
    std::filesystem::create_directories(Path("sub"));
    const std::filesystem::path file = Path("c.ini");
    const std::filesystem::path spellings[] = {
        Path("sub") / ".." / "c.ini",
        Path(".") / "c.ini",
        Path("sub") / "..//.//c.ini",
        std::filesystem::relative(file),
    };
    for (const std::filesystem::path& spelling : spellings) {
        Put("c.ini", "[S]\r\nk=one\r\n");
        ASSERT_EQ(Read(file, u"k"), u"one") << spelling;
        const auto stamp = std::filesystem::last_write_time(file);
        ASSERT_TRUE(WriteString(spelling, u"S", u"k", u"two", kWestern)) << spelling;
        std::filesystem::last_write_time(file, stamp);
        EXPECT_EQ(Read(file, u"k"), u"two") << spelling;
    }
}

TEST_F(IniCacheTest, KeepsParsesApartByCodePage) {
    auto file = Put("cp.ini", "[S]\r\nk=\xD6\xD0\r\n");
    EXPECT_EQ(Read(file, u"k", kWestern), u"ÖÐ");
    EXPECT_EQ(Read(file, u"k", kCodePageGbk), u"中");
    EXPECT_EQ(Read(file, u"k", kWestern), u"ÖÐ");
}

TEST_F(IniCacheTest, ConcurrentWritersKeepEveryKey) {
    auto file = Path("shared.ini");
    constexpr int kThreads = 4;
    constexpr int kKeysEach = 25;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kKeysEach; ++i) {
                std::u16string key = Utf8ToUtf16("t" + std::to_string(t) + "k" + std::to_string(i));
                EXPECT_TRUE(WriteString(file, u"S", key, Utf8ToUtf16(std::to_string(i)), kWestern));
                EXPECT_EQ(ReadInt(file, u"S", key, -1, kWestern), i);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t)
        for (int i = 0; i < kKeysEach; ++i)
            EXPECT_EQ(
                ReadInt(file, u"S", Utf8ToUtf16("t" + std::to_string(t) + "k" + std::to_string(i)),
                        -1, kWestern),
                i);
}

}  // namespace
}  // namespace orca::text
