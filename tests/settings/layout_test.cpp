// SPDX-License-Identifier: Apache-2.0
// The default block of each language, field by field, against the persistent layout.
#include <gtest/gtest.h>

#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

using LayoutTest = LanguageTest;

TEST_P(LayoutTest, HeaderAndSizes) {
    auto handler = MakeHandler(Language());
    ASSERT_EQ(handler->GetPrivateSize(), Language().size);
    const std::vector<std::uint8_t> block = DefaultBlock(*handler);

    EXPECT_EQ(LoadU32(&block[0]), Language().size);
    EXPECT_EQ(std::string(block.begin() + 4, block.begin() + 8), "ZORV");
    EXPECT_EQ(LoadU32(&block[8]), 1u);
    EXPECT_EQ(LoadU32(&block[12]), 0u);
    EXPECT_EQ(block[16], 8) << "eight default barcode fonts";
    EXPECT_EQ(block[17], 0);
    EXPECT_EQ(LoadU16(&block[18]), 144);
    EXPECT_EQ(LoadU16(&block[20]), 1168);
    for (int i = 22; i < 32; ++i)
        EXPECT_EQ(block[i], 0) << "header byte " << i;
    EXPECT_EQ(LoadU16(&block[8336]), Language().optionSize);
}

// Each field holds its default at its offset, and a write through its identifier
// changes exactly its bytes.
TEST_P(LayoutTest, EveryFieldAtItsOffsetWithItsDefault) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    handler->AttachBlock(block.data());
    for (const Expected& field : Language().fields) {
        SCOPED_TRACE(field.id);
        EXPECT_EQ(ValueAt(&block[field.offset], field.width), field.value);

        std::vector<std::uint8_t> read(8, 0);
        ASSERT_EQ(handler->AccessField(field.id, read.data(), 0, true), kDone);
        EXPECT_EQ(ValueAt(read.data(), field.width), field.value);

        const std::vector<std::uint8_t> before = block;
        std::vector<std::uint8_t> value = Pattern(8);
        ASSERT_EQ(handler->AccessField(field.id, value.data(), 0, false), kDone);
        EXPECT_EQ(Changed(before, block), Bytes(field.offset, field.width));
        block = before;
    }
}

TEST_P(LayoutTest, EveryDataFieldAtItsOffset) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    handler->AttachBlock(block.data());
    for (const ExpectedData& field : Language().data) {
        SCOPED_TRACE(field.id);
        const std::vector<std::uint8_t> before = block;
        std::vector<std::uint8_t> value = Pattern(field.size);
        const auto size = static_cast<std::int32_t>(field.size);
        ASSERT_EQ(handler->AccessData(field.id, value.data(), size, 0, false), kDone);
        EXPECT_EQ(Changed(before, block), Bytes(field.offset, field.size));
        std::vector<std::uint8_t> read(field.size);
        ASSERT_EQ(handler->AccessData(field.id, read.data(), size, 0, true), kDone);
        EXPECT_EQ(read, value);
    }
}

// Padding, reserved bytes and unused records are zero: only the header, the
// option fields and the default fonts carry anything.
TEST_P(LayoutTest, EverythingElseIsZero) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    std::vector<bool> carried(block.size(), false);
    auto mark = [&](std::size_t from, std::size_t count) {
        std::fill_n(carried.begin() + static_cast<std::ptrdiff_t>(from), count, true);
    };
    mark(0, 12);
    mark(16, 6);
    mark(8336, 2);
    for (const Expected& field : Language().fields)
        mark(field.offset, field.width);
    mark(Language().size == kOrcaExpected.size ? kOrcaLanguageOffset : kOnyxLanguageOffset, 1);
    mark(Language().barcodeArea, 8 * 144);
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (!carried[i]) {
            ASSERT_EQ(block[i], 0) << "byte " << i;
        }
    }
}

TEST_P(LayoutTest, RecordAreasStartWhereTheOptionAreaEnds) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    handler->AttachBlock(block.data());
    EXPECT_EQ(NameAt(&block[Language().barcodeArea + 16]), u"EAN13");
    EXPECT_EQ(NameAt(&block[Language().barcodeArea + 7 * 144 + 16]), u"PDF417");

    std::vector<std::uint8_t> name = Pattern(80);
    ASSERT_EQ(handler->AccessData(44003, name.data(), 80, 31, false), kDone);
    const std::size_t lastRecord = Language().cmdFontArea + 31 * 1168;
    EXPECT_EQ(
        std::vector<std::uint8_t>(block.begin() + static_cast<std::ptrdiff_t>(lastRecord),
                                  block.begin() + static_cast<std::ptrdiff_t>(lastRecord) + 80),
        name);
    EXPECT_EQ(lastRecord + 1168, Language().size);
}

TEST_P(LayoutTest, RecordFieldsAtTheirOffsets) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    handler->AttachBlock(block.data());
    struct Area {
        std::uint32_t start;
        std::uint32_t recordSize;
        std::vector<Expected> fields;
    };
    const Area areas[] = {{Language().barcodeArea, 144, Language().barcode},
                          {Language().cmdFontArea, 1168, kCmdFontFieldsExpected}};
    for (const Area& area : areas) {
        for (const Expected& field : area.fields) {
            SCOPED_TRACE(field.id);
            const std::vector<std::uint8_t> before = block;
            std::vector<std::uint8_t> value = Pattern(8);
            ASSERT_EQ(handler->AccessField(field.id, value.data(), 9, false), kDone);
            const std::size_t at = area.start + 9 * area.recordSize + field.offset;
            EXPECT_EQ(Changed(before, block), Bytes(at, field.width));
        }
    }
}

TEST_P(LayoutTest, TheOtherLanguagesFieldsAreNotHandled) {
    auto handler = MakeHandler(Language());
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    handler->AttachBlock(block.data());
    const std::vector<std::uint8_t> before = block;
    std::vector<std::uint8_t> value = Pattern(1024);
    for (std::uint32_t id : Language().foreign) {
        SCOPED_TRACE(id);
        EXPECT_EQ(handler->AccessField(id, value.data(), 0, false), kNotHandled);
        EXPECT_EQ(handler->AccessData(id, value.data(), 5, 0, false), kNotHandled);
    }
    EXPECT_EQ(block, before);
}

TEST_P(LayoutTest, DefaultUiLanguageFollowsTheSystemLanguage) {
    const std::uint32_t offset =
        Language().size == kOrcaExpected.size ? kOrcaLanguageOffset : kOnyxLanguageOffset;
    const std::pair<std::uint16_t, std::uint8_t> cases[] = {
        {0x0804, 0}, {0x0409, 1}, {0x0404, 1}, {0x0004, 1}};
    for (const auto& [system, ui] : cases) {
        platform::sim::SystemFacts facts = Env().Facts();
        facts.defaultLanguage = system;
        Env().SetFacts(facts);
        auto handler = MakeHandler(Language());
        EXPECT_EQ(DefaultBlock(*handler)[offset], ui) << std::hex << system;
    }
}

ORCA_FOR_BOTH_LANGUAGES(LayoutTest);

TEST(PublicRecordLayout, FieldsAtTheirOffsets) {
    CDevMode_ORCA handler;
    std::vector<std::uint8_t> record(220, 0);
    handler.AttachPublicRecord(record.data());
    for (const Expected& field : kPublicFieldsExpected) {
        SCOPED_TRACE(field.id);
        const std::vector<std::uint8_t> before = record;
        std::vector<std::uint8_t> value = Pattern(8);
        ASSERT_EQ(handler.AccessPublicField(field.id, value.data(), false), kDone);
        EXPECT_EQ(Changed(before, record), Bytes(field.offset, field.width));
    }
    const std::pair<std::uint32_t, std::size_t> names[] = {{44000, 0}, {44001, 102}};
    for (const auto& [id, offset] : names) {
        const std::vector<std::uint8_t> before = record;
        std::vector<std::uint8_t> value = Pattern(64);
        ASSERT_EQ(handler.AccessPublicName(id, value.data(), 64, false), kDone);
        EXPECT_EQ(Changed(before, record), Bytes(offset, 64));
    }
}

}  // namespace
}  // namespace orca::settings::testing
