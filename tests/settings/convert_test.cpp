// SPDX-License-Identifier: Apache-2.0
// Carrying blocks of other versions, sizes and signatures into the current layout.
#include <gtest/gtest.h>

#include <functional>

#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

// A block as some version of the plug-in may have written it: every byte after
// the header is a recognisable function of its offset.
struct InputShape {
    std::uint16_t optionSize;
    std::uint16_t barcodeRecordSize = 144;
    std::uint16_t cmdFontRecordSize = 1168;
    std::uint8_t barcodeCount = 5;
    std::uint8_t cmdFontCount = 3;
};

std::size_t BarcodeStart(const InputShape& shape) {
    return 8336 + shape.optionSize;
}

std::size_t CmdFontStart(const InputShape& shape) {
    return BarcodeStart(shape) + 32 * shape.barcodeRecordSize;
}

std::vector<std::uint8_t> MakeInput(const InputShape& shape) {
    std::vector<std::uint8_t> block(CmdFontStart(shape) + 32 * shape.cmdFontRecordSize);
    for (std::size_t i = 32; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    StoreU32(&block[0], static_cast<std::uint32_t>(block.size()));
    std::memcpy(&block[4], "ZORV", 4);
    StoreU32(&block[8], 1);
    block[16] = shape.barcodeCount;
    block[17] = shape.cmdFontCount;
    StoreU16(&block[18], shape.barcodeRecordSize);
    StoreU16(&block[20], shape.cmdFontRecordSize);
    StoreU16(&block[8336], shape.optionSize);
    return block;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t at,
                                std::size_t count) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + count)};
}

class ConvertTest : public LanguageTest {
protected:
    std::vector<std::uint8_t> Convert(const std::vector<std::uint8_t>& input) {
        std::vector<std::uint8_t> out(handler_->GetPrivateSize(), 0xEE);
        EXPECT_EQ(handler_->ConvertBlock(publicIn_.data(), publicOut_.data(), input, out.data()),
                  kDone);
        return out;
    }

    std::unique_ptr<CDevModeLanguage> handler_ = MakeHandler(Language());
    std::vector<std::uint8_t> publicIn_ = Pattern(220);
    std::vector<std::uint8_t> publicOut_ = std::vector<std::uint8_t>(220, 0);
};

TEST_P(ConvertTest, ForeignSignatureGivesTheDefaultsAndLeavesThePublicRecord) {
    std::vector<std::uint8_t> input = MakeInput({Language().optionSize});
    std::memcpy(&input[4], "ZORW", 4);
    EXPECT_EQ(Convert(input), DefaultBlock(*handler_));
    EXPECT_EQ(publicOut_, std::vector<std::uint8_t>(220, 0));
}

TEST_P(ConvertTest, CurrentBlockComesThroughWhole) {
    std::vector<std::uint8_t> input = MakeInput({Language().optionSize});
    StoreU32(&input[12], 0);  // reserved, the output keeps its own
    std::vector<std::uint8_t> out = Convert(input);
    EXPECT_EQ(out, input);
    EXPECT_EQ(publicOut_, publicIn_);
}

TEST_P(ConvertTest, SmallerOptionAreaKeepsItsBytesAndTheRestDefaults) {
    const InputShape shape{100};
    const std::vector<std::uint8_t> input = MakeInput(shape);
    const std::vector<std::uint8_t> defaults = DefaultBlock(*handler_);
    const std::vector<std::uint8_t> out = Convert(input);

    EXPECT_EQ(LoadU16(&out[8336]), Language().optionSize);
    EXPECT_EQ(Slice(out, 8338, 98), Slice(input, 8338, 98));
    EXPECT_EQ(Slice(out, 8436, Language().optionSize - 100),
              Slice(defaults, 8436, Language().optionSize - 100));
    EXPECT_EQ(Slice(out, Language().barcodeArea, 32 * 144),
              Slice(input, BarcodeStart(shape), 32 * 144));
    EXPECT_EQ(Slice(out, Language().cmdFontArea, 32 * 1168),
              Slice(input, CmdFontStart(shape), 32 * 1168));
    EXPECT_EQ(Slice(out, 32, 8304), Slice(input, 32, 8304));
    EXPECT_EQ(out[16], 5);
    EXPECT_EQ(out[17], 3);
}

TEST_P(ConvertTest, LargerRecordsAreCutAndWalkedByTheirOwnSize) {
    const InputShape shape{Language().optionSize, 160, 1200};
    const std::vector<std::uint8_t> input = MakeInput(shape);
    const std::vector<std::uint8_t> out = Convert(input);
    EXPECT_EQ(LoadU16(&out[18]), 144);
    EXPECT_EQ(LoadU16(&out[20]), 1168);
    for (std::size_t i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Slice(out, Language().barcodeArea + i * 144, 144),
                  Slice(input, BarcodeStart(shape) + i * 160, 144));
        EXPECT_EQ(Slice(out, Language().cmdFontArea + i * 1168, 1168),
                  Slice(input, CmdFontStart(shape) + i * 1200, 1168));
    }
}

TEST_P(ConvertTest, SmallerRecordsKeepTheDefaultsOfTheirTail) {
    const InputShape shape{Language().optionSize, 100, 1000};
    const std::vector<std::uint8_t> input = MakeInput(shape);
    const std::vector<std::uint8_t> defaults = DefaultBlock(*handler_);
    const std::vector<std::uint8_t> out = Convert(input);
    for (std::size_t i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        const std::size_t barcode = Language().barcodeArea + i * 144;
        EXPECT_EQ(Slice(out, barcode, 100), Slice(input, BarcodeStart(shape) + i * 100, 100));
        EXPECT_EQ(Slice(out, barcode + 100, 44), Slice(defaults, barcode + 100, 44));
        const std::size_t cmdFont = Language().cmdFontArea + i * 1168;
        EXPECT_EQ(Slice(out, cmdFont, 1000), Slice(input, CmdFontStart(shape) + i * 1000, 1000));
        EXPECT_EQ(Slice(out, cmdFont + 1000, 168), Slice(defaults, cmdFont + 1000, 168));
    }
    EXPECT_NE(out[Language().barcodeArea + 105], 0) << "a default tail that is not zero";
}

TEST_P(ConvertTest, SameBufferInAndOut) {
    std::vector<std::uint8_t> block = MakeInput({Language().optionSize});
    StoreU32(&block[12], 0);
    const std::vector<std::uint8_t> expected = block;
    ASSERT_EQ(handler_->ConvertBlock(nullptr, nullptr, block, block.data()), kDone);
    EXPECT_EQ(block, expected);
}

// Whatever part of the input is carried, every byte of the output is
// written: an output that starts as all zeros and one that starts as all ones
// come out the same.
TEST_P(ConvertTest, WritesEveryByteOfTheOutput) {
    struct Case {
        const char* name;
        InputShape shape;
        std::uint32_t dwSize = 0;  // 0: the block's own size
    };
    const std::uint16_t option = Language().optionSize;
    const Case cases[] = {
        {"current layout", {option}},
        {"smaller option area", {100}},
        {"larger option area", {static_cast<std::uint16_t>(option + 24)}},
        {"shorter records", {option, 100, 1000}},
        {"longer records", {option, 160, 1200}},
        {"cut in the command fonts", {option}, 20000},
        {"cut in the option area", {option}, 8400},
        {"cut in the custom commands", {option}, 3000},
        {"only the header", {option}, 32},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<std::uint8_t> input = MakeInput(test.shape);
        if (test.dwSize != 0)
            StoreU32(&input[0], test.dwSize);
        std::vector<std::uint8_t> zeros(handler_->GetPrivateSize(), 0x00);
        std::vector<std::uint8_t> ones(handler_->GetPrivateSize(), 0xFF);
        ASSERT_EQ(handler_->ConvertBlock(nullptr, nullptr, input, zeros.data()), kDone);
        ASSERT_EQ(handler_->ConvertBlock(nullptr, nullptr, input, ones.data()), kDone);
        const auto [first, end] = Changed(zeros, ones);
        EXPECT_EQ(end, 0u) << "bytes " << first << " to " << end << " left unwritten";
    }
}

// Sizes that do not fit never lead past the input; the output is always a
// valid block of the language, and what could not be read keeps its defaults.
struct DamagedCase {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    bool recordsCarried;  // the barcode records
    std::uint8_t barcodeCount;
    std::uint8_t cmdFontCount;
};

TEST_P(ConvertTest, DamagedSizesGiveAValidBlock) {
    const DamagedCase cases[] = {
        {"record sizes 0",
         [](auto& b) {
             StoreU16(&b[18], 0);
             StoreU16(&b[20], 0);
         },
         false, 8, 0},
        {"option area larger than the block", [](auto& b) { StoreU16(&b[8336], 0xFFFF); }, false, 8,
         0},
        {"counts above 32",
         [](auto& b) {
             b[16] = 200;
             b[17] = 33;
         },
         true, 32, 32},
        {"dwSize cuts the command fonts", [](auto& b) { StoreU32(&b[0], 20000); }, true, 5, 0},
        {"dwSize cuts the barcode fonts", [](auto& b) { StoreU32(&b[0], 12000); }, false, 8, 0},
        {"bytes end before dwSize", [](auto& b) { b.resize(9000); }, false, 8, 0},
        {"dwSize cuts the header", [](auto& b) { StoreU32(&b[0], 20); }, false, 8, 0},
        {"only the signature", [](auto& b) { b.resize(8); }, false, 8, 0},
        {"records far larger than the block",
         [](auto& b) {
             StoreU16(&b[18], 0xFFFF);
             StoreU16(&b[20], 0xFFFF);
         },
         false, 8, 0},
    };
    const std::vector<std::uint8_t> defaults = DefaultBlock(*handler_);
    for (const DamagedCase& test : cases) {
        SCOPED_TRACE(test.name);
        const InputShape shape{Language().optionSize};
        std::vector<std::uint8_t> input = MakeInput(shape);
        test.damage(input);
        // An exact copy, so a read past the input is caught under the sanitizers.
        const std::vector<std::uint8_t> exact(input.begin(), input.end());
        const std::vector<std::uint8_t> out = Convert(exact);

        EXPECT_EQ(Slice(out, 0, 12), Slice(defaults, 0, 12));
        EXPECT_EQ(LoadU16(&out[18]), 144);
        EXPECT_EQ(LoadU16(&out[20]), 1168);
        EXPECT_EQ(LoadU16(&out[8336]), Language().optionSize);
        EXPECT_EQ(out[16], test.barcodeCount);
        EXPECT_EQ(out[17], test.cmdFontCount);
        const std::vector<std::uint8_t>& records = test.recordsCarried ? input : defaults;
        const std::size_t from = test.recordsCarried ? BarcodeStart(shape) : Language().barcodeArea;
        EXPECT_EQ(Slice(out, Language().barcodeArea, 32 * 144), Slice(records, from, 32 * 144));
    }
}

ORCA_FOR_BOTH_LANGUAGES(ConvertTest);

TEST(ConvertNull, TheNullHandlerConvertsNothing) {
    std::vector<std::uint8_t> block(64, 0x11);
    EXPECT_EQ(CDevMode_Null::Instance().ConvertBlock(nullptr, nullptr, block, block.data()),
              kNoWidth);
    EXPECT_EQ(block, std::vector<std::uint8_t>(64, 0x11));
}

}  // namespace
}  // namespace orca::settings::testing
