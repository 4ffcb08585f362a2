// SPDX-License-Identifier: Apache-2.0
// Convert and merge read no more of the private input block than the host
// holds for it, whatever the block says of its own size: blocks whose size
// fields lie, laid out with the output block right behind the input as a
// host's heap may place them.
#include <algorithm>
#include <vector>

#include "plugin_fixture.h"
#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::plugin {
namespace {

using driverhost::BackToBackRecords;
using driverhost::HostDevMode;
using driverhost::HostPrinter;
using settings::kLayoutOrca;

// Marks the input carries in each area, where the defaults hold other values.
constexpr uint32_t kCommandMark = 40;  // cDocStartCommand
constexpr uint8_t kSpeed = 7;
const uint32_t kSpeedAt = OptionOffset(kLayoutOrca, kSpeedId);
constexpr uint32_t kBarcodeMark = kLayoutOrca.BarcodeArea() + 100;

// What the host holds of an older block: its header, its custom commands and
// the first four bytes of its option area.
constexpr uint32_t kShortBlock = settings::kOptionAreaStart + 4;

void StoreSizes(uint8_t* block, uint32_t dwSize, uint16_t optionSize, uint16_t recordSize) {
    settings::StoreU32(block + settings::kOffsetSize, dwSize);
    if (optionSize != 0)
        settings::StoreU16(block + settings::kOptionAreaStart, optionSize);
    if (recordSize != 0) {
        settings::StoreU16(block + settings::kOffsetBarcodeRecordSize, recordSize);
        settings::StoreU16(block + settings::kOffsetCmdFontRecordSize, recordSize);
    }
}

using BlockBoundsTest = PluginTest;

TEST_F(BlockBoundsTest, MergeReadsNoMoreThanTheHostHoldsOfTheInputBlock) {
    HostPrinter printer(kOrcaPrinter);
    // The language's defaults, what a merge starts from: a zeroed block says it
    // holds nothing.
    HostDevMode zeroed(kOrcaBlockSize);
    HostDevMode defaults(kOrcaBlockSize, kOrcaPrinter);
    OEMDMPARAM merge = driverhost::DevModeParams(printer.Handle(), &zeroed, &defaults);
    ASSERT_EQ(Object()->DevMode(OEMDM_MERGE, &merge), S_OK);
    std::vector<uint8_t> input(defaults.PrivateBytes().begin(), defaults.PrivateBytes().end());
    input[kCommandMark] = 'X';
    input[kSpeedAt] = kSpeed;
    const uint8_t barcodeMark = input[kBarcodeMark] ^ 0xFF;
    input[kBarcodeMark] = barcodeMark;

    struct Case {
        const char* name;
        bool apart;     // the block in a buffer of its own, not in the record's driver-extra area
        uint32_t gap;   // other driver-extra data before the block
        uint32_t held;  // what the host holds of the block
        bool foreign;   // every byte 0xAB, signature included
        uint32_t dwSize;
        uint16_t optionSize;              // 0: as it is
        uint16_t recordSize;              // both record sizes; 0: as they are
        bool commands, options, records;  // what the output carries from the input
    };
    const Case cases[] = {
        {"honest block in the driver-extra area", false, 64, kOrcaBlockSize, false, kOrcaBlockSize,
         0, 0, true, true, true},
        {"honest block apart from its record", true, 0, kOrcaBlockSize, false, kOrcaBlockSize, 0, 0,
         true, true, true},
        {"block of another signature, all 0xAB", false, 0, kOrcaBlockSize, true, 0, 0, 0, false,
         false, false},
        {"dwSize 0x7FFFFFFF", false, 0, kOrcaBlockSize, false, 0x7FFFFFFF, 0, 0, true, true, true},
        {"dwSize 0x7FFFFFFF apart from its record", true, 0, kOrcaBlockSize, false, 0x7FFFFFFF, 0,
         0, true, true, true},
        {"record sizes 0xFFFF", false, 0, kOrcaBlockSize, false, 0x7FFFFFFF, 0, 0xFFFF, true, true,
         false},
        {"record sizes 0xFFFF apart from its record", true, 0, kOrcaBlockSize, false, 0xFFFFFFFF, 0,
         0xFFFF, true, true, false},
        {"option area size 0xFFFF", false, 0, kOrcaBlockSize, false, 0x7FFFFFFF, 0xFFFF, 0, true,
         true, false},
        {"block cut short in the driver-extra area", false, 64, kShortBlock, false, kOrcaBlockSize,
         0, 0, true, false, false},
        {"block cut short apart from its record", true, 0, kShortBlock, false, kOrcaBlockSize, 0, 0,
         true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BackToBackRecords records(c.apart, c.gap, c.held, kOrcaBlockSize);
        std::copy_n(input.begin(), c.held, records.PrivateIn());
        if (c.foreign)
            std::fill_n(records.PrivateIn(), c.held, 0xAB);
        else
            StoreSizes(records.PrivateIn(), c.dwSize, c.optionSize, c.recordSize);
        std::ranges::fill(records.PrivateOut(), 0xAB);
        HostDevMode publicOut(0, u"Output");
        std::ranges::copy(u"Input", records.PublicIn()->dmDeviceName);

        OEMDMPARAM params = records.Params(printer.Handle(), publicOut.Public());
        ASSERT_EQ(Object()->DevMode(OEMDM_MERGE, &params), S_OK);

        std::vector<uint8_t> expected(defaults.PrivateBytes().begin(),
                                      defaults.PrivateBytes().end());
        if (c.commands)
            expected[kCommandMark] = 'X';
        if (c.options)
            expected[kSpeedAt] = kSpeed;
        if (c.records)
            expected[kBarcodeMark] = barcodeMark;
        EXPECT_TRUE(std::ranges::equal(records.PrivateOut(), expected));
        EXPECT_EQ(std::u16string_view(publicOut.Public()->dmDeviceName),
                  c.foreign ? u"Output" : u"Input");
    }
}

}  // namespace
}  // namespace orca::plugin
