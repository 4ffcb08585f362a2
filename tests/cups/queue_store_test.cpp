// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>

namespace orca::host::cups {
namespace {

// A settings record as the pages leave it: some fields set, long runs of
// empty font records, and bytes of every value.
std::vector<uint8_t> Record() {
    std::vector<uint8_t> record(50716, 0);
    std::mt19937 random(44);
    for (size_t i = 0; i < 3000; ++i)
        record[i] = static_cast<uint8_t>(random());
    std::fill(record.begin() + 4000, record.begin() + 4003, 0xFF);  // a run too short to pack
    std::fill(record.begin() + 9000, record.begin() + 9100, 0x20);
    record.back() = 7;
    return record;
}

std::string Written(const QueueStore& store) {
    std::ostringstream out;
    WriteQueueStore(store, out);
    return out.str();
}

TEST(QueueStore, RecordPapersAndSavedChoicesReadBackAsWrittenInLinesAPpdAllows) {
    const QueueStore store{
        Record(),
        {{"Custom Paper-Kestrel", 104000, 110000, 0, 0, 104000, 110000},
         {"Custom Paper-\"Etikett\": Größe 5", 50000, 30000, 1000, 2000, 47000, 26000}},
        {{"darkness", "25"}, {"top-adjust", "-1.5"}}};
    const std::string text = Written(store);
    std::istringstream lines(text);
    size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_LE(line.size(), 255u) << line.substr(0, 40);
        EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 2) << line;
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) {
            return c >= 0x20 && c <= 0x7E;
        })) << line;
    }
    // The empty font records pack: far fewer lines than plain hexadecimal needs.
    EXPECT_LT(count, 50716 * 2 / 200 / 2);

    // Read back from a PPD that has lines of its own around and between.
    std::istringstream ppd("*PPD-Adobe: \"4.3\"\r\n*Defaultdarkness: 25\r\n" + text +
                           "*orcauiSettingsSizeless: \"x\"\n*End\n");
    QueueStore read;
    ASSERT_EQ(ReadQueueStore(ppd, &read), std::nullopt);
    EXPECT_EQ(read, store);
}

TEST(QueueStore, APpdWithoutStoreHoldsNothingAndDamagedLinesAreRefused) {
    QueueStore none;
    std::istringstream plain("*PPD-Adobe: \"4.3\"\n*orcauiModel: \"Kestrel(ORCA)\"\n");
    EXPECT_EQ(ReadQueueStore(plain, &none), std::nullopt);
    EXPECT_EQ(none, QueueStore{});

    std::istringstream lines(Written(QueueStore{Record(), {}, {}}));
    std::vector<std::string> whole;
    for (std::string line; std::getline(lines, line);)
        whole.push_back(line);
    struct Damage {
        const char* what;
        size_t line;  // replaced by text; past the end: text added
        std::string text;
    };
    const Damage damages[] = {
        {"a chunk missing", 2, ""},
        {"a chunk out of its place", 2, "*orcauiSettings 999: \"00\""},
        {"a token cut short", 2, "*orcauiSettings 2: \"0\""},
        {"not hexadecimal", 2, "*orcauiSettings 2: \"GG\""},
        {"the size not the record's", 0, "*orcauiSettingsSize: \"5\""},
        {"no size at all", 0, ""},
        {"a paper without its measures", SIZE_MAX, "*orcauiPaper 1: \"500 300 Custom Paper-X\""},
    };
    for (const Damage& damage : damages) {
        std::string ppd;
        for (size_t i = 0; i < whole.size(); ++i)
            ppd += (i == damage.line ? damage.text : whole[i]) + "\n";
        if (damage.line >= whole.size())
            ppd += damage.text + "\n";
        std::istringstream in(ppd);
        QueueStore read;
        EXPECT_NE(ReadQueueStore(in, &read), std::nullopt) << damage.what;
    }
}

}  // namespace
}  // namespace orca::host::cups
